// The texts of the main window's questions and messages, composed exactly as
// the user sees them ("\r\n" is a line break).
#pragma once

#include <QString>

#include "calc/Validation.h"

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

// A refusal of the validation as the error box shows it: its lines joined by
// "\r\n" (or by lineBreak, for a label).
QString RefusalMessage(const kmr::ValidationResult& refusal);
QString RefusalMessage(const kmr::ValidationResult& refusal, const QString& lineBreak);

// The main window's caption: file name, four blanks, application title.
QString Caption(const QString& documentPath);

}  // namespace kmr::ui::msg
