#include "AboutBox.h"

#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "AppFonts.h"
#include "Resources.h"

namespace kmr::ui {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int pixelSize,
                  const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(PGothicFont(pixelSize));
    label->setGeometry(geometry);
    return label;
}

}  // namespace

QIcon ProgramIcon() {
    EnsureResources();
    return QIcon(QStringLiteral(":/icons/plovkmr.png"));
}

TAboutBoxF::TAboutBoxF(const QString& versionText, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBoxF"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFont(PGothicFont(12));
    setFixedSize(304, 204);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    // Centred on the screen, not on the main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(8, 8, 288, 153);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    icon->setGeometry(8, 8, 32, 32);

    MakeLabel(panel, "ProductNameSub", QStringLiteral("連続梁応力算定プログラム"), 11,
              QRect(56, 16, 220, 16));
    MakeLabel(panel, "ProductName", QStringLiteral("PLOV-Kmr／連続梁応力算定"), 15,
              QRect(56, 40, 224, 22));
    QLabel* version = MakeLabel(panel, "Version", QStringLiteral("Ver.") + versionText, 12,
                                QRect(88, 120, 188, 16));
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setGeometry(115, 168, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace kmr::ui
