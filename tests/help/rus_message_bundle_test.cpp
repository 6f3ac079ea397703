#include "help/rus_message_bundle.h"

#include "help/eng_message_bundle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(RusMessageBundleTest, TextsInUtf8) {
    TRusMessageBundle bundle;
    EXPECT_EQ(bundle.text("period"), "Период");
    EXPECT_EQ(bundle.text("sentence"), "Предложение");
    EXPECT_EQ(bundle.text("phrase"), "Фраза");
    EXPECT_EQ(bundle.text("motive"), "Мотив");
    EXPECT_EQ(bundle.text("major"), "Мажор");
    EXPECT_EQ(bundle.text("minor"), "Минор");
    EXPECT_EQ(bundle.text("sequence up"), "Секвенция Вверх");
    EXPECT_EQ(bundle.text("sequence down"), "Секвенция Вниз");
    EXPECT_EQ(bundle.text("rel. sequence up"), "Отн. Секвенция Вверх");
    EXPECT_EQ(bundle.text("rel. sequence down"), "Отн. Секвенция Вниз");
    EXPECT_EQ(bundle.text("variation"), "Вариация");
    EXPECT_EQ(bundle.text("repeat"), "Повтор");
    EXPECT_EQ(bundle.text("rel. repeat"), "Отн. Повтор");
    EXPECT_EQ(bundle.text("rhythm"), "Ритм");
    EXPECT_EQ(bundle.text("rel. rhythm"), "Отн. Ритм");
    EXPECT_EQ(bundle.text("piece"), "Часть");
    EXPECT_EQ(bundle.text("other"), "Другие");
    EXPECT_EQ(bundle.text("rel. piece"), "Отн. Часть");
    EXPECT_EQ(bundle.text("rel. other"), "Отн. Другие");
    EXPECT_EQ(bundle.textKeys().size(), 19u);
    // UTF-8: two bytes for every Cyrillic letter
    EXPECT_EQ(bundle.text("motive").size(), 10u);
}

TEST(RusMessageBundleTest, KeysItLacksReadEmpty) {
    TRusMessageBundle bundle;
    TEngMessageBundle english;
    for (const char* key : {"temp", "error", "open error", "save error", "phrase big",
                            "phrase small", "program name", "CONFIG", "Period"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(bundle.text(key), "");
    }
    // every key it has, the English bundle has too
    for (const std::string& key : bundle.textKeys()) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(english.hasText(key));
        EXPECT_NE(bundle.text(key), english.text(key));
    }
    EXPECT_TRUE(bundle.group("duration group").empty());
    EXPECT_TRUE(bundle.group("motive type group").empty());
}

TEST(RusMessageBundleTest, Groups) {
    TRusMessageBundle bundle;
    EXPECT_EQ(bundle.groupKeys(),
              (std::vector<std::string>{"major group", "minor group", "temp group"}));
    EXPECT_EQ(
        bundle.group("major group"),
        (std::vector<std::string>{
            "7 Бемолей: До бемоль мажор", "6 Бемолей: Соль бемоль мажор",
            "5 Бемолей: Ре бемоль мажор", "4 Бемоля: Ля бемоль мажор", "3 Бемоля: Ми бемоль мажор",
            "2 Бемоля: Си бемоль мажор", "1 Бемоль: Фа мажор", "До мажор", "1 Диез: Соль мажор",
            "2 Диеза: Ре Мажор", "3 Диеза: Ля Мажор", "4 Диеза: Ми мажор", "5 Диезов: Си мажор",
            "6 Диезов: Фа диез мажор", "7 Диезов: До диез мажор"}));
    EXPECT_EQ(
        bundle.group("minor group"),
        (std::vector<std::string>{
            "7 Бемолей: Ля бемоль минор", "6 Бемолей: Ми бемоль минор",
            "5 Бемолей: Си бемоль минор", "4 Бемоля: фа минор", "3 Бемоля: До минор",
            "2 Бемоля: Соль минор", "1 Бемоль: Ре минор", "Ля минор", "1 Диез: Ми минор",
            "2 Диеза: Си минор", "3 Диеза: Фа диез минор", "4 Диеза: До диез минор",
            "5 Диезов: Соль диез минор", "6 Диезов: Ре диез минор", "7 Диезов: Ля диез минор"}));
    EXPECT_EQ(bundle.group("temp group"),
              (std::vector<std::string>{"Широко", "Медленно", "Не спеша", "Умеренно", "Сдержанно",
                                        "Оживленно", "Быстро"}));
}

}  // namespace
