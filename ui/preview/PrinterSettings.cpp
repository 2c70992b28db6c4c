#include "ui/preview/PrinterSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "report/UserStores.h"

namespace kmr {
namespace {

// Half-width katakana U+FF66..U+FF9D in code order, as full-width letters.
const char16_t kFullKana[] =
    u"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
    u"ハヒフヘホマミムメモヤユヨラリルレロワン";

// The voiced (゛) and semi-voiced (゜) forms of a full-width kana, or 0.
QChar Voiced(QChar base, bool semi) {
    static const QString voiceable = QStringLiteral("カキクケコサシスセソタチツテトハヒフヘホウ");
    static const QString voiced = QStringLiteral("ガギグゲゴザジズゼゾダヂヅデドバビブベボヴ");
    static const QString halfVoiceable = QStringLiteral("ハヒフヘホ");
    static const QString halfVoiced = QStringLiteral("パピプペポ");
    const QString& from = semi ? halfVoiceable : voiceable;
    const QString& to = semi ? halfVoiced : voiced;
    const qsizetype i = from.indexOf(base);
    return i < 0 ? QChar() : to.at(i);
}

QPrinter::DuplexMode ToDuplex(int d) {
    return d >= 0 && d <= 3 ? static_cast<QPrinter::DuplexMode>(d) : QPrinter::DuplexNone;
}

}  // namespace

QString ToFullWidth(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0xFF66 && c <= 0xFF9D) {
            QChar kana(kFullKana[c - 0xFF66]);
            const char16_t next = i + 1 < text.size() ? text.at(i + 1).unicode() : 0;
            if (next == 0xFF9E || next == 0xFF9F) {
                const QChar v = Voiced(kana, next == 0xFF9F);
                if (!v.isNull()) {
                    kana = v;
                    ++i;
                }
            }
            out.append(kana);
        } else if (c == 0xFF61 || c == 0xFF64) {
            out.append(QChar(c == 0xFF61 ? u'。' : u'、'));
        } else if (c == 0xFF62 || c == 0xFF63) {
            out.append(QChar(c == 0xFF62 ? u'「' : u'」'));
        } else if (c == 0xFF65) {
            out.append(QChar(u'・'));
        } else if (c == 0xFF9E || c == 0xFF9F) {
            out.append(QChar(c == 0xFF9E ? u'゛' : u'゜'));
        } else if (c == 0x20) {
            out.append(QChar(0x3000));
        } else if (c > 0x20 && c < 0x7F) {
            out.append(QChar(static_cast<char16_t>(c - 0x21 + 0xFF01)));
        } else {
            out.append(text.at(i));
        }
    }
    return out;
}

bool IsTractorFeedSource(const QString& paperSource) {
    return ToFullWidth(paperSource).contains(QStringLiteral("トラクタ"));
}

QString DefaultPlvPath() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(dir).filePath(QStringLiteral("PLOVKmr.plv"));
}

TplSetPrinter::TplSetPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return;
    PrinterName = info.printerName();
    const QPageSize size = info.defaultPageSize();
    if (size.isValid() && size.id() != QPageSize::Custom) PageSize = size.id();
}

bool TplSetPrinter::IsTractorFeed() const {
    return IsTractorFeedSource(PaperSource);
}

void TplSetPrinter::ApplyTo(QPrinter& printer) const {
    if (HasPrinter()) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(PrinterName);
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(OutputFileName);
    }
    printer.setPageSize(QPageSize(PageSize));
    printer.setPageOrientation(Orientation);
    printer.setCopyCount(std::max(1, Copies));
    printer.setColorMode(Color ? QPrinter::Color : QPrinter::GrayScale);
    printer.setDuplex(ToDuplex(Duplex));
    if (IsTractorFeed()) printer.setPaperSource(QPrinter::Tractor);
}

void TplSetPrinter::ReadFrom(const QPrinter& printer) {
    PrinterName =
        printer.outputFormat() == QPrinter::NativeFormat ? printer.printerName() : QString();
    OutputFileName = printer.outputFileName();
    const QPageSize size = printer.pageLayout().pageSize();
    if (size.isValid() && size.id() != QPageSize::Custom) PageSize = size.id();
    Orientation = printer.pageLayout().orientation();
    Copies = printer.copyCount();
    Color = printer.colorMode() == QPrinter::Color;
    Duplex = static_cast<int>(printer.duplex());
    // Qt names no input bins; the tractor feed is the one bin the preview needs.
    if (printer.paperSource() == QPrinter::Tractor && !IsTractorFeed()) {
        PaperSource = QStringLiteral("トラクタ");
    }
}

bool TplSetPrinter::SaveToFile(const QString& path) const {
    QJsonObject o;
    o[QStringLiteral("printer")] = PrinterName;
    o[QStringLiteral("pageSize")] = QPageSize::key(PageSize);
    o[QStringLiteral("landscape")] = Orientation == QPageLayout::Landscape;
    o[QStringLiteral("paperSource")] = PaperSource;
    o[QStringLiteral("outputFile")] = OutputFileName;
    o[QStringLiteral("copies")] = Copies;
    o[QStringLiteral("color")] = Color;
    o[QStringLiteral("duplex")] = Duplex;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QJsonDocument(o).toJson());
    return file.commit();
}

bool TplSetPrinter::LoadFromFile(const QString& path) {
    QFile file(path);
    if (!UsableStoreFile(path) || !file.open(QIODevice::ReadOnly)) return false;
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject()) return false;
    const QJsonObject o = doc.object();
    QPageSize::PageSizeId size = PageSize;
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto candidate = static_cast<QPageSize::PageSizeId>(id);
        if (QPageSize::key(candidate) == o.value(QStringLiteral("pageSize")).toString()) {
            size = candidate;
        }
    }
    PrinterName = o.value(QStringLiteral("printer")).toString();
    PageSize = size;
    Orientation = o.value(QStringLiteral("landscape")).toBool() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait;
    PaperSource = o.value(QStringLiteral("paperSource")).toString();
    OutputFileName = o.value(QStringLiteral("outputFile")).toString();
    Copies = std::max(1, o.value(QStringLiteral("copies")).toInt(1));
    Color = o.value(QStringLiteral("color")).toBool(true);
    Duplex = o.value(QStringLiteral("duplex")).toInt(0);
    return true;
}

PageGeometry TplSetPrinter::Geometry() const {
    if (!HasPrinter()) {
        // PDF output: the whole sheet of the chosen paper is printable.
        const QSizeF mm = QPageSize(PageSize).size(QPageSize::Millimeter);
        const bool turn = Orientation == QPageLayout::Landscape;
        PageGeometry g;
        g.width = static_cast<int>((turn ? mm.height() : mm.width()) * 10.0 + 1e-6);
        g.height = static_cast<int>((turn ? mm.width() : mm.height()) * 10.0 + 1e-6);
        g.printable = QRect(0, 0, g.width, g.height);
        return g;
    }
    QPrinter printer(QPrinter::HighResolution);
    ApplyTo(printer);
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QMarginsF minimum = printer.pageLayout().minimumMargins();
    const double ppmm = printer.resolution() / 25.4;
    const auto px = [&](double mm) { return static_cast<int>(mm * ppmm); };
    const QRect printable(px(minimum.left()), px(minimum.top()),
                          paper.width() - px(minimum.left()) - px(minimum.right()),
                          paper.height() - px(minimum.top()) - px(minimum.bottom()));
    return GeometryFromDevice(paper.size(), printable, printer.resolution(), printer.resolution());
}

bool TplSetPrinter::operator==(const TplSetPrinter& o) const {
    return PrinterName == o.PrinterName && PageSize == o.PageSize && Orientation == o.Orientation &&
           PaperSource == o.PaperSource && OutputFileName == o.OutputFileName &&
           Copies == o.Copies && Color == o.Color && Duplex == o.Duplex;
}

}  // namespace kmr
