#include "app/about.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/base_action_interface.h"
#include "app/link_label.h"
#include "help/message_bundle.h"

namespace {

// The form's own captions; the link shows the home page address from the bundle.
constexpr const char* CAPTION = "About";
constexpr const char* NAME_TEXT = "Motivica.";
constexpr const char* VERSION_TEXT = "Version 1.0.";
constexpr const char* OK_TEXT = "Ok";

// A web address is shown as it is; the program's own start page, a file of its help data, by
// its name.
QString homePageText(const TMessageBundle& bundle) {
    const QString url = QString::fromStdString(bundle.text("site url"));
    return QUrl(url).isRelative() ? QString::fromStdString(bundle.text("home page")) : url;
}

}  // namespace

TAbout::TAbout(QWidget* parent, const TMessageBundle& bundle, TBaseActionInterface& actions)
    : QDialog(parent),
      actions_(actions),
      homePageLink_(new TLinkLabel(homePageText(bundle), this)),
      okButton_(new QPushButton(QString::fromUtf8(OK_TEXT), this)) {
    setObjectName("aboutDialog");
    setWindowTitle(QString::fromUtf8(CAPTION));
    setAccessibleName(QString::fromUtf8(CAPTION));

    auto* nameLabel = new QLabel(QString::fromUtf8(NAME_TEXT), this);
    nameLabel->setObjectName("nameLabel");
    QFont nameFont = nameLabel->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    nameLabel->setFont(nameFont);
    nameLabel->setAlignment(Qt::AlignCenter);
    nameLabel->setMinimumWidth(200);
    auto* versionLabel = new QLabel(QString::fromUtf8(VERSION_TEXT), this);
    versionLabel->setObjectName("versionLabel");
    homePageLink_->setObjectName("homePageLink");
    homePageLink_->setAccessibleName(QString::fromStdString(bundle.text("home page")));
    okButton_->setObjectName("okButton");
    okButton_->setAccessibleName(QString::fromUtf8(OK_TEXT));
    okButton_->setDefault(true);
    okButton_->setMinimumWidth(88);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 16);
    layout->setSpacing(6);
    layout->addWidget(nameLabel, 0, Qt::AlignHCenter);
    layout->addWidget(versionLabel, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(homePageLink_, 0, Qt::AlignHCenter);
    layout->addSpacing(14);
    layout->addWidget(okButton_, 0, Qt::AlignHCenter);
    // the dialog keeps the size its contents need
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(okButton_, homePageLink_);
    okButton_->setFocus();

    connect(homePageLink_, &TLinkLabel::clicked, this, [this] { actions_.openHomePage(); });
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}
