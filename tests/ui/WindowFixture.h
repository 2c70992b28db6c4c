// A main window on an empty per-user folder (PLOVKMR_HOME), with scripted
// questions, and helpers that make data files.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "MainForm.h"
#include "ScriptedDialogs.h"
#include "model/DataFile.h"
#include "model/Model.h"

namespace kmr::ui::test {

class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        qputenv("PLOVKMR_HOME", home.path().toUtf8());
    }
    void TearDown() override { qunsetenv("PLOVKMR_HOME"); }

    TMainF& Window() {
        if (!window) window = std::make_unique<TMainF>(&dialogs);
        return *window;
    }
    WindowState& State() { return Window().State(); }
    template <class T>
    T* Find(const char* name) {
        return Window().findChild<T*>(QString::fromLatin1(name));
    }
    QAction* Action(const char* name) { return Find<QAction>(name); }

    QString Path(const QString& name) const { return home.filePath(name); }

    // A version-3 file of a beam with the given span count and a first span.
    QString MakeVersion3(const QString& name, int spans, double span1) const {
        kmr::BeamModel m;
        kmr::InitProgramModel(m, "3.0.6");
        m.Header.SpanCount = spans;
        m.Members[1].SpanLength = span1;
        const QString path = Path(name);
        kmr::WriteDataFile(path.toStdString(), m);
        return path;
    }
    // A 1303-byte version-1 image: span count at offset 25, span length of
    // member 1 as a single at offset 63.
    QString MakeVersion1(const QString& name, int spans, float span1) const;
    static QByteArray ReadAll(const QString& path);

    QTemporaryDir home;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainF> window;
};

}  // namespace kmr::ui::test
