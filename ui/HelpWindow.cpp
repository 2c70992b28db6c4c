#include "HelpWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "AppFonts.h"
#include "AppTitle.h"
#include "Resources.h"

namespace kmr::ui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("ヘルプ - ") + AppTitle());
    setWindowFlags(Qt::Window);
    resize(760, 640);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    QFont font = PGothicFont(14);
    browser_->setFont(font);
    browser_->setHtml(GuideHtml());
    box->addWidget(browser_);
}

QString HelpWindow::InstalledGuidePath() {
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/../share/plovkmr/help/PLOVKmr.html");
}

QString HelpWindow::GuideHtml() {
    EnsureResources();
    for (const QString& path : {InstalledGuidePath(), QStringLiteral(":/help/PLOVKmr.html")}) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) return QString::fromUtf8(f.readAll());
    }
    return QString();
}

}  // namespace kmr::ui
