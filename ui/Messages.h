// The texts of the main window's questions and messages, composed exactly as
// the user sees them ("\r\n" is a line break).
#pragma once

#include <QString>

namespace kmr::ui::msg {

// The file-name part of a path (no directory).
QString FileNamePart(const QString& path);

QString NewDataQuestion(const QString& documentPath);
QString OpenChangedQuestion(const QString& documentPath);
QString NotPlovData(const QString& path);
QString OverwriteQuestion(const QString& documentPath);
QString AlreadyExistsQuestion(const QString& path);
QString ExitChangedQuestion(const QString& documentPath);
QString ExitQuestion();

// The main window's caption: file name, four blanks, application title.
QString Caption(const QString& documentPath);

}  // namespace kmr::ui::msg
