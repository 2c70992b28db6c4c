// The main window with helpers that work its input controls as a user does:
// typing into fields, choosing items of the boxes, clicking buttons,
// switching pages and tabs. Everything by objectName.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "Editor.h"
#include "WindowFixture.h"
#include "edit/DiagramView.h"
#include "edit/EditorCore.h"
#include "edit/NumberField.h"

namespace kmr::ui::test {

class EditFixture : public WindowFixture {
  protected:
    QLineEdit* Edit(const QString& name) {
        QLineEdit* e = Window().findChild<QLineEdit*>(name);
        EXPECT_NE(e, nullptr) << name.toStdString();
        return e;
    }
    NumberField* Field(const QString& name) { return static_cast<NumberField*>(Edit(name)); }
    QString Text(const QString& name) { return Edit(name)->text(); }
    // Replaces the text as typing and pasting do (the change handler runs).
    void Type(const QString& name, const QString& text) { Edit(name)->setText(text); }
    // Chooses an item of a box as the user does (its change handler runs).
    void Choose(const QString& name, int index) {
        QComboBox* box = Window().findChild<QComboBox*>(name);
        ASSERT_NE(box, nullptr) << name.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    int Selected(const QString& name) {
        return Window().findChild<QComboBox*>(name)->currentIndex();
    }
    void Click(const QString& name) {
        QAbstractButton* b = Window().findChild<QAbstractButton*>(name);
        ASSERT_NE(b, nullptr) << name.toStdString();
        b->click();
    }
    QLabel* Label(const QString& name) { return Window().findChild<QLabel*>(name); }
    void Page(int index) {
        Window().findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(index);
    }
    QTabBar* Tabs(const char* name) {
        return Window().findChild<QTabBar*>(QString::fromLatin1(name));
    }
    DiagramView* Diagram() { return Window().findChild<DiagramView*>(QStringLiteral("drwPaper")); }
    static bool IsRed(QWidget* w) {
        return w->palette().color(QPalette::Active, QPalette::Text) == QColor(255, 0, 0);
    }
    static QColor Base(QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Base); }
    kmr::BeamModel& Model() { return State().Model; }
};

}  // namespace kmr::ui::test
