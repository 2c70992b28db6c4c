// TplSetPrinter: the selected printer and its settings, the page geometry
// they give, and their ".plv" file. Without any printer the settings name
// no printer and printing goes to a PDF file on A4.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include "report/PageDocument.h"

class QPrinter;

namespace kmr {

class TplSetPrinter : public PageGeometrySource {
  public:
    // The system's default printer, or no printer (PDF on A4).
    TplSetPrinter();

    QString PrinterName;  // empty: no printer, print to a PDF file
    QPageSize::PageSizeId PageSize = QPageSize::A4;
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    QString PaperSource;     // the name of the input bin
    QString OutputFileName;  // PDF file when there is no printer
    int Copies = 1;
    bool Color = true;
    int Duplex = 0;  // QPrinter::DuplexMode

    bool HasPrinter() const { return !PrinterName.isEmpty(); }
    // A printer whose job goes to Acrobat prints at once instead of previewing.
    bool IsAcrobat() const { return PrinterName.contains(QStringLiteral("Acrobat")); }
    // The paper source is tractor-feed paper (its name holds トラクタ, in either width).
    bool IsTractorFeed() const;

    void ApplyTo(QPrinter& printer) const;
    void ReadFrom(const QPrinter& printer);

    // The ".plv" file. Saving reports failure; reading a file that is missing
    // or unreadable leaves every setting as it was and returns false.
    bool SaveToFile(const QString& path) const;
    bool LoadFromFile(const QString& path);

    // Paper and printable area of the selected printer and paper, 0.1 mm.
    PageGeometry Geometry() const override;

    bool operator==(const TplSetPrinter& o) const;
    bool operator!=(const TplSetPrinter& o) const { return !(*this == o); }
};

// Half-width katakana (with their voiced marks) and ASCII as full-width characters.
QString ToFullWidth(const QString& text);
// The paper source name, converted to full width, contains "トラクタ".
bool IsTractorFeedSource(const QString& paperSource);

// The ".plv" file in the user's application data folder.
QString DefaultPlvPath();

}  // namespace kmr
