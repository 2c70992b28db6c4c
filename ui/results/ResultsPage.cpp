#include "results/ResultsPage.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QTableWidget>
#include <algorithm>

#include "Messages.h"
#include "UserDialogs.h"
#include "calc/Validation.h"
#include "report/DiagramSection.h"
#include "report/DisplayList.h"
#include "report/Primitives.h"
#include "report/ReportFonts.h"
#include "report/ReportWords.h"
#include "report/StressDiagram.h"
#include "results/FollowChanges.h"

namespace kmr::ui {

namespace {

constexpr double kPxPerCm = 45.0;  // on screen: the labels about 11 px high
constexpr double kImagePxPerCm = 80.0;
constexpr float kImageWidthCm = 24.0f;
constexpr float kImageHeightCm = 12.0f;
constexpr float kSignRoom = 0.6f;

// A one-page document of a given size: its geometry source.
class FixedGeometry : public kmr::PageGeometrySource {
  public:
    FixedGeometry(int w, int h) {
        g_.width = w;
        g_.height = h;
        g_.printable = QRect(0, 0, w, h);
    }
    kmr::PageGeometry Geometry() const override { return g_; }

  private:
    kmr::PageGeometry g_;
};

QTableWidget* MakeTable(QWidget* parent, const char* name) {
    auto* t = new QTableWidget(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::ContiguousSelection);
    t->verticalHeader()->setDefaultSectionSize(20);
    t->horizontalHeader()->setDefaultSectionSize(62);
    return t;
}

void SetCell(QTableWidget* t, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(row, column, item);
}

}  // namespace

// Replays the recorded page of the diagrams, one page unit per
// 100 / kPxPerCm pixels.
class DiagramCanvas : public QWidget {
  public:
    DiagramCanvas(ResultsPage& page, QWidget* parent) : QWidget(parent), page_(page) {
        setObjectName(QStringLiteral("DiagramCanvas"));
        setMinimumSize(200, 160);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::white);
        setPalette(pal);
    }
    std::function<void()> onResize;

  protected:
    void paintEvent(QPaintEvent*) override {
        const kmr::TplPrev& doc = page_.Drawing();
        if (!doc.HasPages()) return;
        const kmr::PageRecord& rec = doc.Page(1);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        kmr::PaintPage(rec, p,
                       QRectF(0, 0, rec.size.width() * kPxPerCm / 100.0,
                              rec.size.height() * kPxPerCm / 100.0));
    }
    void resizeEvent(QResizeEvent*) override {
        if (onResize) onResize();
    }

  private:
    ResultsPage& page_;
};

void RecordResultsDrawing(kmr::TplPrev& doc, const kmr::CalculatedBeam& beam, float widthCm,
                          float heightCm, bool signLine) {
    FixedGeometry geometry(static_cast<int>(widthCm * 100), static_cast<int>(heightCm * 100));
    doc.plSetPrinter = &geometry;
    doc.BeginDoc();
    kmr::StressDiagramFrame f;
    f.titleLeft = 0.2f;
    f.left = 1.5f;
    f.width = std::max(1.0f, widthCm - f.left - 0.5f);
    f.top = 0.1f;
    const float fixed = f.top + 3 * (2 * f.labelRoom) + f.axisStrip + (signLine ? kSignRoom : 0);
    f.bandHeight = std::max(0.4f, (heightCm - fixed) / 3);
    const kmr::StressDiagramPlacement p =
        kmr::DrawStressDiagrams(doc, beam, 1, beam.SpanCount(), f);
    if (signLine) {
        kmr::DrawText(doc, kmr::SignConventionText(), f.titleLeft, p.bottom + 0.1f,
                      kmr::TextAlign::Left, kmr::TextAlign::Top, 8, kmr::fkGothic);
    }
    doc.EndDoc();
    doc.plSetPrinter = nullptr;
}

ResultsPage::ResultsPage(LiveModelSource source, UserDialogs& dialogs, bool detachable,
                         QWidget* parent)
    : QWidget(parent),
      source_(std::move(source)),
      dialogs_(dialogs),
      drawing_(std::make_unique<kmr::TplPrev>()) {
    setObjectName(QStringLiteral("ResultsPage"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(4, 4, 4, 4);
    box->setSpacing(4);

    // The sign conventions over the whole width; the diagrams (or the
    // message) beside the buttons and the tables, which take a quarter of
    // the width and at least what they need at the window's size.
    auto* top = new QHBoxLayout;
    auto* sign = new QLabel(kmr::SignConventionText(), this);
    sign->setObjectName(QStringLiteral("SignConvention"));
    top->addWidget(sign, 1);
    if (detachable) {
        auto* detach = new QPushButton(QStringLiteral("別ウィンドウ"), this);
        detach->setObjectName(QStringLiteral("BtnDetachResults"));
        detach->setToolTip(
            QStringLiteral("入力しながら見られるよう、別のウィンドウにも表示します"));
        connect(detach, &QPushButton::clicked, this, [this] { Detach(); });
        top->addWidget(detach);
    }
    box->addLayout(top);

    auto* row = new QHBoxLayout;
    stack_ = new QStackedWidget(this);
    stack_->setObjectName(QStringLiteral("ResultsStack"));
    canvas_ = new DiagramCanvas(*this, stack_);
    canvas_->onResize = [this] { Redraw(); };
    stack_->addWidget(canvas_);
    message_ = new QLabel(stack_);
    message_->setObjectName(QStringLiteral("ResultsMessage"));
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignCenter);
    QPalette pal = message_->palette();
    pal.setColor(QPalette::WindowText, QColor(192, 0, 0));
    message_->setPalette(pal);
    stack_->addWidget(message_);
    row->addWidget(stack_, 3);

    auto* side = new QVBoxLayout;
    auto* buttons = new QHBoxLayout;
    copy_ = new QPushButton(QStringLiteral("コピー"), this);
    copy_->setObjectName(QStringLiteral("BtnCopyResults"));
    copy_->setToolTip(QStringLiteral("最大値と反力をタブ区切りでクリップボードにコピーします"));
    connect(copy_, &QPushButton::clicked, this, [this] { CopyClick(); });
    save_ = new QPushButton(QStringLiteral("画像として保存"), this);
    save_->setObjectName(QStringLiteral("BtnSaveDiagrams"));
    save_->setToolTip(QStringLiteral("応力図を PNG または SVG で保存します"));
    connect(save_, &QPushButton::clicked, this, [this] { SaveImageClick(); });
    buttons->addWidget(copy_);
    buttons->addWidget(save_);
    side->addLayout(buttons);
    extremes_ = MakeTable(this, "ExtremesTable");
    extremes_->setMinimumWidth(262);
    reactions_ = MakeTable(this, "ReactionsTable");
    reactions_->setMaximumHeight(70);
    side->addWidget(extremes_, 1);
    side->addWidget(reactions_);
    row->addLayout(side, 1);
    box->addLayout(row, 1);

    ShowMessage(QString());
}

ResultsPage::~ResultsPage() = default;

void ResultsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    UpdateNow();
}

void ResultsPage::Follow(QWidget* root) {
    followed_.push_back(root);
    FollowChanges(root, this, [this] { RequestUpdate(); });
}

void ResultsPage::RequestUpdate() {
    update_.Request();
}

void ResultsPage::UpdateNow() {
    QString reason;
    const std::optional<kmr::BeamModel> live = source_(&reason);
    if (!live) {
        ShowMessage(reason);
        return;
    }
    kmr::BeamModel model = *live;
    kmr::CalculatedBeam beam = kmr::CalculateBeam(model);
    if (!beam.Passed()) {
        ShowMessage(msg::RefusalMessage(beam.Refusal(), QStringLiteral("\n")));
        return;
    }
    model_ = model;
    beam_ = std::move(beam);
    ShowResults();
}

bool ResultsPage::ShowsDiagrams() const {
    return valid_;
}

QString ResultsPage::MessageText() const {
    return valid_ ? QString() : message_->text();
}

void ResultsPage::ShowMessage(const QString& text) {
    valid_ = false;
    message_->setText(text);
    stack_->setCurrentIndex(1);
    extremes_->clear();
    reactions_->clear();
    drawing_ = std::make_unique<kmr::TplPrev>();
    copy_->setEnabled(false);
    save_->setEnabled(false);
}

void ResultsPage::ShowResults() {
    valid_ = true;
    stack_->setCurrentIndex(0);
    copy_->setEnabled(true);
    save_->setEnabled(true);
    FillTables();
    Redraw();
}

void ResultsPage::FillTables() {
    const auto rows = kmr::ExtremesRows(model_, beam_);
    const int members = static_cast<int>(rows.size()) - 1;
    const int quantities = static_cast<int>(rows.front().size()) - 1;
    extremes_->clear();
    extremes_->setRowCount(quantities);
    extremes_->setColumnCount(members);
    for (int q = 0; q < quantities; ++q) {
        extremes_->setVerticalHeaderItem(q, new QTableWidgetItem(rows[0][std::size_t(q + 1)]));
    }
    for (int m = 0; m < members; ++m) {
        const auto& r = rows[std::size_t(m + 1)];
        extremes_->setHorizontalHeaderItem(m, new QTableWidgetItem(r[0]));
        for (int q = 0; q < quantities; ++q) SetCell(extremes_, q, m, r[std::size_t(q + 1)]);
    }
    const int supports = members + 1;
    reactions_->clear();
    reactions_->setRowCount(1);
    reactions_->setColumnCount(supports);
    reactions_->setVerticalHeaderItem(
        0, new QTableWidgetItem(QStringLiteral("反力 (") + kmr::OutputUnitWord(beam_.OutputUnit()) +
                                QLatin1Char(')')));
    for (int s = 1; s <= supports; ++s) {
        reactions_->setHorizontalHeaderItem(
            s - 1, new QTableWidgetItem(QStringLiteral("[ ") +
                                        kmr::NameText(model_.Supports[std::size_t(s)].Name) +
                                        QStringLiteral(" ]")));
        SetCell(reactions_, 0, s - 1, kmr::ByMagnitude(beam_.Node(s).Reaction));
    }
}

void ResultsPage::Redraw() {
    if (!valid_) return;
    drawing_ = std::make_unique<kmr::TplPrev>();
    const float w = static_cast<float>(canvas_->width() / kPxPerCm);
    const float h = static_cast<float>(canvas_->height() / kPxPerCm);
    RecordResultsDrawing(*drawing_, beam_, w, h, false);
    canvas_->update();
}

QString ResultsPage::ResultsText() const {
    if (!valid_) return QString();
    QString text;
    for (const auto& row : kmr::ExtremesRows(model_, beam_)) {
        QStringList cells;
        for (const QString& c : row) cells << c.trimmed();
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    text += QLatin1Char('\n');
    text += QStringLiteral("支 点 名\t反力 (") + kmr::OutputUnitWord(beam_.OutputUnit()) +
            QStringLiteral(")\n");
    for (int s = 1; s <= beam_.SpanCount() + 1; ++s) {
        text += QStringLiteral("[ ") + kmr::NameText(model_.Supports[std::size_t(s)].Name) +
                QStringLiteral(" ]\t") + kmr::ByMagnitude(beam_.Node(s).Reaction) +
                QLatin1Char('\n');
    }
    return text;
}

void ResultsPage::CopyClick() {
    if (valid_) QApplication::clipboard()->setText(ResultsText());
}

void ResultsPage::SaveImageClick() {
    if (!valid_) return;
    FileDialogSpec spec;
    spec.Title = QStringLiteral("画像として保存");
    spec.Filter = QStringLiteral("PNG 画像 (*.png)|*.png|SVG 画像 (*.svg)|*.svg");
    spec.DefaultExt = QStringLiteral("png");
    spec.InitialPath = QStringLiteral("応力図.png");
    const std::optional<QString> path = dialogs_.SaveFileName(spec);
    if (!path || path->isEmpty()) return;
    QString target = *path;
    if (QFileInfo(target).suffix().isEmpty()) target += QStringLiteral(".png");
    if (!SaveImage(target)) {
        dialogs_.Message(MsgKind::Error, QStringLiteral("画像を保存できません。\r\n") + target,
                         int(Button::OK));
    }
}

bool ResultsPage::SaveImage(const QString& path) const {
    if (!valid_) return false;
    kmr::TplPrev doc;
    RecordResultsDrawing(doc, beam_, kImageWidthCm, kImageHeightCm, true);
    const kmr::PageRecord& rec = doc.Page(1);
    const QSizeF size(rec.size.width() * kImagePxPerCm / 100.0,
                      rec.size.height() * kImagePxPerCm / 100.0);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), size));
        svg.setTitle(QStringLiteral("応力図"));
        QPainter p;
        if (!p.begin(&svg)) return false;
        kmr::PaintPage(rec, p, QRectF(QPointF(0, 0), size));
        return p.end() && QFileInfo(path).size() > 0;
    }
    QImage image(size.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        kmr::PaintPage(rec, p, QRectF(QPointF(0, 0), size));
    }
    return image.save(path, "PNG");
}

void ResultsPage::Detach() {
    auto* other = new ResultsPage(source_, dialogs_, false, window());
    other->setObjectName(QStringLiteral("ResultsWindow"));
    other->setWindowFlag(Qt::Window);
    other->setAttribute(Qt::WA_DeleteOnClose);
    other->setWindowTitle(QStringLiteral("計算結果 - ") + window()->windowTitle());
    other->resize(960, 600);
    for (QWidget* root : followed_) other->Follow(root);
    other->show();
}

}  // namespace kmr::ui
