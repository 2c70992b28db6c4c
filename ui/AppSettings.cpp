#include "AppSettings.h"

#include <QSettings>

namespace kmr::ui {
namespace {

struct Entry {
    const char* name;
    QString AppSettings::*field;
};

const Entry kEntries[] = {
    {"AppExeName", &AppSettings::AppExeName},
    {"InstallDirectory", &AppSettings::InstallDirectory},
    {"Title", &AppSettings::Title},
    {"Ver", &AppSettings::Ver},
    {"MainMaxFlag", &AppSettings::MainMaxFlag},
    {"PVMaxFlag", &AppSettings::PVMaxFlag},
    {"WindLeft", &AppSettings::WindLeft},
    {"WindTop", &AppSettings::WindTop},
    {"WindWid", &AppSettings::WindWid},
    {"WindHei", &AppSettings::WindHei},
    {"InputTanni", &AppSettings::InputTanni},
    {"OutputTanni", &AppSettings::OutputTanni},
};

QString ReadString(QSettings& store, const char* name) {
    return store.value(QLatin1String(name)).toString();
}

int ToIntOrZero(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

void ZeroIfEmpty(QString& value) {
    if (value.isEmpty()) value = QStringLiteral("0");
}

int UnitOrZero(const QString& text) {
    return ToIntOrZero(text) == 1 ? 1 : 0;
}

}  // namespace

void ReadSettings(QSettings& store, AppSettings& s) {
    for (const Entry& e : kEntries) s.*(e.field) = ReadString(store, e.name);
}

void WriteSettings(QSettings& store, const AppSettings& s) {
    for (const Entry& e : kEntries) store.setValue(QLatin1String(e.name), s.*(e.field));
    store.sync();
}

void ApplyStartValues(AppSettings& s) {
    for (QString* v :
         {&s.MainMaxFlag, &s.PVMaxFlag, &s.WindLeft, &s.WindTop, &s.WindWid, &s.WindHei}) {
        ZeroIfEmpty(*v);
    }
    s.PVMax = ToIntOrZero(s.PVMaxFlag);
    s.Left = ToIntOrZero(s.WindLeft);
    s.Top = ToIntOrZero(s.WindTop);
    s.Width = ToIntOrZero(s.WindWid);
    s.Height = ToIntOrZero(s.WindHei);
}

void ApplyExitValues(AppSettings& s, const QString& versionDigits) {
    s.Ver = versionDigits;
    s.PVMaxFlag = QString::number(s.PVMax);
    s.WindLeft = QString::number(s.Left);
    s.WindTop = QString::number(s.Top);
    s.WindWid = QString::number(s.Width);
    s.WindHei = QString::number(s.Height);
}

DefaultUnits ReadDefaultUnits(QSettings& store) {
    DefaultUnits u;
    u.Input = UnitOrZero(ReadString(store, "InputTanni"));
    u.Output = UnitOrZero(ReadString(store, "OutputTanni"));
    return u;
}

void WriteDefaultUnits(QSettings& store, const DefaultUnits& units) {
    store.setValue(QStringLiteral("InputTanni"), QString::number(units.Input));
    store.setValue(QStringLiteral("OutputTanni"), QString::number(units.Output));
    store.sync();
}

PreviewForm InitialPreviewForm(AppSettings& s, const QRect& workArea) {
    PreviewForm p;
    if (s.Width == 0 || s.Height == 0) {
        const int w = static_cast<int>((workArea.right() + 1) * 0.8);
        const int h = static_cast<int>((workArea.bottom() + 1) * 0.8);
        QRect r(0, 0, w, h);
        r.moveCenter(workArea.center());
        p.NormalBounds = r;
        p.Maximised = true;
        s.PVMax = 1;
        return p;
    }
    p.NormalBounds = QRect(s.Left, s.Top, s.Width, s.Height);
    p.Maximised = s.PVMax == 1;
    return p;
}

void StorePreviewForm(AppSettings& s, const PreviewForm& p) {
    s.PVMax = p.Maximised ? 1 : 0;
    if (p.Maximised) return;
    s.Left = p.NormalBounds.left();
    s.Top = p.NormalBounds.top();
    s.Width = p.NormalBounds.width();
    s.Height = p.NormalBounds.height();
}

}  // namespace kmr::ui
