#include "app/about.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/base_action_interface.h"
#include "app/link_label.h"
#include "help/eng_message_bundle.h"

namespace {

// Counts the home-page command; every other command is a mistake here.
class TCountingActions : public TBaseActionInterface {
  public:
    void newAction() override { ++others; }
    void saveAction() override { ++others; }
    void saveAsAction() override { ++others; }
    void openAction() override { ++others; }
    void exportAction() override { ++others; }
    void playAllAction() override { ++others; }
    void stopAction() override { ++others; }
    void midiDevicesAction() override { ++others; }
    void aboutAction() override { ++others; }
    void showMainWindow() override { ++others; }
    void openHomePage() override { ++homePage; }

    int homePage = 0;
    int others = 0;
};

class AboutTest : public ::testing::Test {
  protected:
    AboutTest() : parent(), about(&parent, english, actions) {
        parent.setGeometry(100, 80, 800, 600);
        link = about.findChild<TLinkLabel*>("homePageLink");
        ok = about.findChild<QPushButton*>("okButton");
    }

    TEngMessageBundle english;
    TCountingActions actions;
    QWidget parent;
    TAbout about;
    TLinkLabel* link = nullptr;
    QPushButton* ok = nullptr;
};

TEST_F(AboutTest, NameVersionLinkAndOk) {
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.findChild<QLabel*>("nameLabel")->text(), "Motivica.");
    EXPECT_EQ(about.findChild<QLabel*>("versionLabel")->text(), "Version 1.0.");
    ASSERT_NE(link, nullptr);
    ASSERT_NE(ok, nullptr);
    // the start page is a page of the help data: the link names it
    EXPECT_EQ(link->text().toStdString(), english.text("home page"));
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(link->accessibleName().isEmpty());
    EXPECT_EQ(ok->text(), "Ok");
    EXPECT_TRUE(ok->isDefault());
}

TEST_F(AboutTest, LinkOpensTheHomePageByMouseAndKeyboard) {
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(actions.homePage, 1);
    QTest::keyClick(link, Qt::Key_Return);
    QTest::keyClick(link, Qt::Key_Space);
    EXPECT_EQ(actions.homePage, 3);
    SCOPED_TRACE("a press that ends outside the link is no click");
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
    QTest::mouseClick(link, Qt::RightButton);
    EXPECT_EQ(actions.homePage, 3);
    EXPECT_EQ(actions.others, 0);
}

TEST_F(AboutTest, KeyboardStartsOnOkTabsToTheLinkAndEscapeCloses) {
    EXPECT_FALSE(about.accessibleName().isEmpty());
    EXPECT_FALSE(ok->accessibleName().isEmpty());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    EXPECT_EQ(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), link);
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Rejected);
    EXPECT_EQ(actions.homePage, 0);
}

TEST_F(AboutTest, FixedSizeCentredOnItsParentAndClosedByOk) {
    parent.show();
    QTimer::singleShot(0, &about, [this] {
        EXPECT_TRUE(about.isVisible());
        EXPECT_EQ(about.minimumSize(), about.maximumSize());
        const QPoint offset = about.geometry().center() - parent.geometry().center();
        EXPECT_LE(offset.manhattanLength(), 40) << offset.x() << "," << offset.y();
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(actions.homePage, 0);
}

}  // namespace
