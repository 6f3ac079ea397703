#include "help/rus_message_bundle.h"

#include <iterator>

namespace {

struct TKeyText {
    const char* key;
    const char* text;
};

const TKeyText RUSSIAN_TEXTS[] = {
    {"period", "Период"},
    {"sentence", "Предложение"},
    {"phrase", "Фраза"},
    {"motive", "Мотив"},
    {"major", "Мажор"},
    {"minor", "Минор"},
    {"sequence up", "Секвенция Вверх"},
    {"sequence down", "Секвенция Вниз"},
    {"rel. sequence up", "Отн. Секвенция Вверх"},
    {"rel. sequence down", "Отн. Секвенция Вниз"},
    {"variation", "Вариация"},
    {"repeat", "Повтор"},
    {"rel. repeat", "Отн. Повтор"},
    {"rhythm", "Ритм"},
    {"rel. rhythm", "Отн. Ритм"},
    {"piece", "Часть"},
    {"other", "Другие"},
    {"rel. piece", "Отн. Часть"},
    {"rel. other", "Отн. Другие"},
};

// Same order as the English lists: seven flats first, the index is the number of sharps plus 7.
const char* const MAJOR_GROUP[] = {
    "7 Бемолей: До бемоль мажор", "6 Бемолей: Соль бемоль мажор",
    "5 Бемолей: Ре бемоль мажор", "4 Бемоля: Ля бемоль мажор",
    "3 Бемоля: Ми бемоль мажор",  "2 Бемоля: Си бемоль мажор",
    "1 Бемоль: Фа мажор",         "До мажор",
    "1 Диез: Соль мажор",         "2 Диеза: Ре Мажор",
    "3 Диеза: Ля Мажор",          "4 Диеза: Ми мажор",
    "5 Диезов: Си мажор",         "6 Диезов: Фа диез мажор",
    "7 Диезов: До диез мажор",
};

const char* const MINOR_GROUP[] = {
    "7 Бемолей: Ля бемоль минор", "6 Бемолей: Ми бемоль минор",
    "5 Бемолей: Си бемоль минор", "4 Бемоля: фа минор",
    "3 Бемоля: До минор",         "2 Бемоля: Соль минор",
    "1 Бемоль: Ре минор",         "Ля минор",
    "1 Диез: Ми минор",           "2 Диеза: Си минор",
    "3 Диеза: Фа диез минор",     "4 Диеза: До диез минор",
    "5 Диезов: Соль диез минор",  "6 Диезов: Ре диез минор",
    "7 Диезов: Ля диез минор",
};

const char* const TEMP_GROUP[] = {
    "Широко", "Медленно", "Не спеша", "Умеренно", "Сдержанно", "Оживленно", "Быстро",
};

}  // namespace

TRusMessageBundle::TRusMessageBundle() {
    for (const TKeyText& entry : RUSSIAN_TEXTS) {
        addText(entry.key, entry.text);
    }
    addGroup(MAJOR_GROUP, static_cast<int>(std::size(MAJOR_GROUP)), "major group");
    addGroup(MINOR_GROUP, static_cast<int>(std::size(MINOR_GROUP)), "minor group");
    addGroup(TEMP_GROUP, static_cast<int>(std::size(TEMP_GROUP)), "temp group");
}
