#include "check/CheckPage.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "UserDialogs.h"
#include "WindowState.h"
#include "calc/Validation.h"
#include "model/FileImage.h"
#include "report/CheckSection.h"
#include "report/ReportWords.h"

namespace kmr::ui {
namespace {

constexpr int kRowHeight = 22;

enum CheckColumn : int {
    kSectionColumn,
    kSteelColumn,
    kBracingColumn,
    kLbColumn,
    kLimitColumn,
    kFactorColumn,
    kBendingColumn,
    kShearColumn,
    kDeflectionColumn,
    kVerdictColumn,
    kIoColumn,
    kColumnCount
};

struct ColumnSpec {
    const char* title;
    int width;
    const char* tip;
};
const ColumnSpec kColumns[kColumnCount] = {
    {"断面", 146, "一覧の断面（入力して絞り込めます）、または「寸法指定」"},
    {"鋼種", 84, "鋼種（F は板厚で決まります）"},
    {"n", 26, "横補剛で分けた区間の数"},
    {"lb (m)", 44, "座屈長さ。空欄は L/n"},
    {"制限", 38, "たわみの制限 L/n の n（既定 300）"},
    {"係数", 32, "変形増大係数（既定 1、鉄筋コンクリートは 8）"},
    {"σb/fb", 60, "曲げ: ○ 以内 / × 超過"},
    {"τ/fs", 60, "せん断: ○ 以内 / × 超過"},
    {"たわみ", 88, "1/n: ○ 制限以内 / × 超過"},
    {"判定", 34, nullptr},
    {"Io", 62, "部材の Io を断面の Ix にします"},
};

const QColor kWithin(0, 128, 0);
const QColor kOver(192, 0, 0);

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const char* tip) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight);
    if (tip) e->setToolTip(QString::fromUtf8(tip));
    return e;
}

QTableWidgetItem* ResultItem(const QString& text, std::optional<bool> within) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (within) item->setForeground(*within ? kWithin : kOver);
    return item;
}

QString DeflectionText(const MemberCheck& c) {
    const QString n = c.DeflectionN > 0 ? QStringLiteral("1/") + kmr::Fixed(c.DeflectionN, 0)
                                        : QStringLiteral("－");
    return n + (WithinLimit(c.DeflectionRatio) ? QStringLiteral(" ○") : QStringLiteral(" ×"));
}

void ShowText(QLineEdit* e, const QString& text) {
    if (e->text() != text) e->setText(text);
}

void ShowChoice(QComboBox* box, const QString& text) {
    int i = box->findText(text);
    if (i < 0 && !text.isEmpty()) {
        box->addItem(text);  // an F given directly
        i = box->count() - 1;
    }
    box->setCurrentIndex(i);
    if (box->isEditable()) box->setEditText(text);
}

}  // namespace

CheckPage::CheckPage(WindowState& state, UserDialogs& dialogs, LiveModelSource source,
                     std::function<void()> ioShown, QWidget* parent)
    : QWidget(parent),
      state_(state),
      dialogs_(dialogs),
      source_(std::move(source)),
      ioShown_(std::move(ioShown)) {
    setObjectName(QStringLiteral("CheckPage"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(3, 3, 3, 3);
    box->setSpacing(3);
    BuildTop();
    BuildTable();
    BuildPlates();
}

CheckPage::~CheckPage() = default;

void CheckPage::BuildTop() {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("長期  fb:"), this));
    method_ = new QComboBox(this);
    method_->setObjectName(QStringLiteral("CheckMethod"));
    method_->addItems({QStringLiteral("告示第1024号"), QStringLiteral("鋼構造設計規準 2005")});
    method_->setToolTip(QStringLiteral("許容曲げ応力度 fb の式"));
    connect(method_, &QComboBox::activated, this, [this](int i) { CheckMethodChange(i); });
    row->addWidget(method_);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("CheckMessage"));
    QPalette pal = message_->palette();
    pal.setColor(QPalette::WindowText, kOver);
    message_->setPalette(pal);
    row->addWidget(message_, 1);
    setIoAll_ = new QPushButton(QStringLiteral("Io を設定（全部材）"), this);
    setIoAll_->setObjectName(QStringLiteral("BtnSetIoAll"));
    setIoAll_->setToolTip(QStringLiteral("断面のある全部材の Io を断面の Ix にします"));
    connect(setIoAll_, &QPushButton::clicked, this, [this] { BtnSetIoAllClick(); });
    copy_ = new QPushButton(QStringLiteral("コピー"), this);
    copy_->setObjectName(QStringLiteral("BtnCopyCheck"));
    copy_->setToolTip(QStringLiteral("検定表をタブ区切りでクリップボードにコピーします"));
    connect(copy_, &QPushButton::clicked, this, [this] { BtnCopyCheckClick(); });
    row->addWidget(setIoAll_);
    row->addWidget(copy_);
    static_cast<QBoxLayout*>(layout())->addLayout(row);
}

void CheckPage::BuildTable() {
    table_ = new QTableWidget(0, kColumnCount, this);
    table_->setObjectName(QStringLiteral("CheckTable"));
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setFixedHeight(kRowHeight);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(table_, &QTableWidget::currentCellChanged, this,
            [this](int row) { ShowPlatesOf(row + 1); });
    for (int c = 0; c < kColumnCount; ++c) {
        auto* head = new QTableWidgetItem(QString::fromUtf8(kColumns[c].title));
        if (kColumns[c].tip) head->setToolTip(QString::fromUtf8(kColumns[c].tip));
        table_->setHorizontalHeaderItem(c, head);
        table_->setColumnWidth(c, kColumns[c].width);
    }
    static_cast<QBoxLayout*>(layout())->addWidget(table_, 1);
}

void CheckPage::BuildPlates() {
    auto* row = new QHBoxLayout;
    plateLabel_ = new QLabel(this);
    plateLabel_->setObjectName(QStringLiteral("PlateMember"));
    row->addWidget(plateLabel_);
    const char* names[] = {"PlateH", "PlateB", "PlateTw", "PlateTf", "PlateR"};
    const char* labels[] = {"H", "B", "tw", "tf", "r"};
    for (int i = 0; i < 5; ++i) {
        row->addWidget(new QLabel(QString::fromLatin1(labels[i]), this));
        plates_[std::size_t(i)] = MakeEdit(this, QString::fromLatin1(names[i]), nullptr);
        plates_[std::size_t(i)]->setFixedWidth(52);
        connect(plates_[std::size_t(i)], &QLineEdit::editingFinished, this,
                [this] { CommitRow(plateMember_); });
        row->addWidget(plates_[std::size_t(i)]);
    }
    row->addWidget(new QLabel(QStringLiteral("(mm)"), this));
    fabrication_ = new QComboBox(this);
    fabrication_->setObjectName(QStringLiteral("PlateFab"));
    fabrication_->addItems(
        {QStringLiteral("圧延（r: フィレット）"), QStringLiteral("溶接（r: 溶接脚長）")});
    connect(fabrication_, &QComboBox::activated, this, [this] { CommitRow(plateMember_); });
    row->addWidget(fabrication_);
    row->addStretch(1);
    static_cast<QBoxLayout*>(layout())->addLayout(row);
    ShowPlates();
}

void CheckPage::MakeRow(int member) {
    const int r = member - 1;
    RowWidgets& w = rows_[std::size_t(member)];
    w.section = new QComboBox(table_);
    w.section->setObjectName(QStringLiteral("CheckSection%1").arg(member));
    w.section->setEditable(true);
    w.section->setInsertPolicy(QComboBox::NoInsert);
    w.section->addItems(SectionItems());
    w.section->setMaxVisibleItems(16);
    auto* completer = new QCompleter(SectionItems(), w.section);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    w.section->setCompleter(completer);
    connect(w.section, &QComboBox::activated, this, [this, member] { CommitRow(member); });
    connect(w.section->lineEdit(), &QLineEdit::editingFinished, this,
            [this, member] { CommitRow(member); });
    w.steel = new QComboBox(table_);
    w.steel->setObjectName(QStringLiteral("CheckSteel%1").arg(member));
    w.steel->addItems(SteelItems());
    connect(w.steel, &QComboBox::activated, this, [this, member] { CommitRow(member); });
    QLineEdit** edits[] = {&w.bracing, &w.lb, &w.limit, &w.factor};
    const char* names[] = {"CheckBracing", "CheckLb", "CheckLimit", "CheckFactor"};
    for (int i = 0; i < 4; ++i) {
        *edits[i] = MakeEdit(table_, QString::fromLatin1(names[i]) + QString::number(member),
                             kColumns[kBracingColumn + i].tip);
        connect(*edits[i], &QLineEdit::editingFinished, this,
                [this, member] { CommitRow(member); });
        table_->setCellWidget(r, kBracingColumn + i, *edits[i]);
    }
    w.lb->setPlaceholderText(QStringLiteral("L/n"));
    w.setIo = new QPushButton(QStringLiteral("Io を設定"), table_);
    w.setIo->setObjectName(QStringLiteral("BtnSetIo%1").arg(member));
    w.setIo->setToolTip(QString::fromUtf8(kColumns[kIoColumn].tip));
    connect(w.setIo, &QPushButton::clicked, this, [this, member] { BtnSetIoClick(member); });
    table_->setCellWidget(r, kSectionColumn, w.section);
    table_->setCellWidget(r, kSteelColumn, w.steel);
    table_->setCellWidget(r, kIoColumn, w.setIo);
}

void CheckPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    UpdateNow();
}

void CheckPage::Follow(QWidget* root) {
    FollowChanges(root, this, [this] { update_.Request(); });
}

void CheckPage::Recalculate() {
    SyncRows(state_.Model);
    QString reason;
    const std::optional<kmr::BeamModel> live = source_(&reason);
    check_ = {};
    if (!live) {
        ShowResults(reason);
        return;
    }
    model_ = *live;
    const kmr::CalculatedBeam beam = kmr::CalculateBeam(model_);
    if (!beam.Passed()) {
        QStringList lines;
        for (const std::string& line : beam.Refusal().lines) {
            if (!line.empty()) lines << QString::fromStdString(line).trimmed();
        }
        ShowResults(lines.join(QLatin1Char(' ')));
        return;
    }
    outputUnit_ = beam.OutputUnit();
    check_ = kmr::CheckBeamDesign(model_, beam);
    ShowResults(QString::fromStdString(check_.Problem));
}

// The rows are made again only when the span count or the document's design
// data differ from what they show, so that a text being typed stays.
void CheckPage::SyncRows(const kmr::BeamModel& document) {
    const int n = kmr::UsedSpanCount(document);
    const kmr::DesignData data = document.Design.State == kmr::DesignState::Present
                                     ? document.Design.Data
                                     : kmr::DesignData{};
    // A formula chosen before any member has design data stays on screen.
    const bool same = data == shown_ ||
                      (document.Design.State == kmr::DesignState::None && shown_.Members.empty());
    if (n == rowCount_ && same) return;
    shown_ = data;
    if (n != rowCount_) {
        for (int m = 1; m <= rowCount_; ++m) rows_[std::size_t(m)] = {};
        table_->setRowCount(0);
        table_->setRowCount(n);
        for (int m = 1; m <= n; ++m) {
            table_->setVerticalHeaderItem(
                m - 1, new QTableWidgetItem(kmr::NameText(document.Members[std::size_t(m)].Name)));
            MakeRow(m);
        }
        rowCount_ = n;
    }
    for (int m = 1; m <= n; ++m) ShowRow(m);
    method_->setCurrentIndex(shown_.Method == kmr::BucklingFormula::Aij2005 ? 1 : 0);
    plateMember_ = std::min(std::max(plateMember_, 1), std::max(n, 1));
    ShowPlates();
}

void CheckPage::ShowRow(int member) {
    const RowWidgets& w = rows_[std::size_t(member)];
    if (!w.section) return;
    const DesignRowText t = RowText(shown_.Find(member));
    filling_ = true;
    ShowChoice(w.section, t.Section);
    ShowChoice(w.steel, t.Steel);
    ShowText(w.bracing, t.Bracing);
    ShowText(w.lb, t.Lb);
    ShowText(w.limit, t.Limit);
    ShowText(w.factor, t.Factor);
    filling_ = false;
}

void CheckPage::ShowPlatesOf(int member) {
    if (member < 1 || member > rowCount_) return;
    plateMember_ = member;
    ShowPlates();
}

void CheckPage::ShowPlates() {
    const kmr::MemberDesign* d = shown_.Find(plateMember_);
    const bool plates = d && d->HasPlates;
    const DesignRowText t = RowText(d);
    plateLabel_->setText(QStringLiteral("部材 %1 の寸法").arg(plateMember_));
    const QString texts[] = {t.H, t.B, t.Tw, t.Tf, t.R};
    for (std::size_t i = 0; i < plates_.size(); ++i) {
        ShowText(plates_[i], texts[i]);
        plates_[i]->setEnabled(plates);
    }
    fabrication_->setCurrentIndex(t.Welded ? 1 : 0);
    fabrication_->setEnabled(plates);
}

// The texts of a member's row; its plates from the plate fields when they
// show this member, else as stored, else those of the section it had (or a
// medium-size section) when plates are newly chosen.
DesignRowText CheckPage::RowTexts(int member) const {
    const kmr::MemberDesign* stored = shown_.Find(member);
    DesignRowText t = RowText(stored);
    const RowWidgets& w = rows_[std::size_t(member)];
    t.Section = w.section->currentText();
    t.Steel = w.steel->currentText();
    t.Bracing = w.bracing->text();
    t.Lb = w.lb->text();
    t.Limit = w.limit->text();
    t.Factor = w.factor->text();
    if (t.Section != PlatesItem()) return t;
    if (stored && stored->HasPlates && member == plateMember_) {
        t.H = plates_[0]->text(), t.B = plates_[1]->text(), t.Tw = plates_[2]->text();
        t.Tf = plates_[3]->text(), t.R = plates_[4]->text();
        t.Welded = fabrication_->currentIndex() == 1;
    } else if (!(stored && stored->HasPlates)) {
        const kmr::ListedSection* s =
            kmr::FindSection(stored ? stored->Section : std::string("H-400x200x8x13"));
        if (!s) s = kmr::FindSection("H-400x200x8x13");
        const kmr::SectionDimensions dim = s ? s->Dim : kmr::SectionDimensions{400, 200, 8, 13, 13};
        t.H = QString::number(dim.H), t.B = QString::number(dim.B), t.Tw = QString::number(dim.Tw);
        t.Tf = QString::number(dim.Tf), t.R = QString::number(dim.R);
    }
    return t;
}

void CheckPage::CommitRow(int member) {
    if (filling_ || committing_ || member < 1 || member > rowCount_ ||
        !rows_[std::size_t(member)].section)
        return;
    // A message box takes the focus: the field's editingFinished comes again.
    committing_ = true;
    const RowReading reading = ReadRow(member, RowTexts(member));
    if (!reading.Error.isEmpty()) {
        dialogs_.Message(MsgKind::Error, reading.Error, int(Button::OK));
        ShowRow(member);
        ShowPlates();
        committing_ = false;
        return;
    }
    // Unchanged data (or values that mean nothing without a section) show
    // the row as stored.
    if (StoreDesign(WithMember(shown_, member, reading.Design))) {
        ShowPlatesOf(member);
    } else {
        ShowRow(member);
    }
    committing_ = false;
}

void CheckPage::ChangeMethod(int index) {
    kmr::DesignData data = shown_;
    data.Method = index == 1 ? kmr::BucklingFormula::Aij2005 : kmr::BucklingFormula::Notification;
    StoreDesign(data);
}

// Edits reach the document only when they change its design data; an
// unreadable block is replaced only when the user says so.
bool CheckPage::StoreDesign(const kmr::DesignData& data) {
    if (data == shown_) return false;
    if (data.Members.empty() && state_.Model.Design.State == kmr::DesignState::None) {
        shown_ = data;  // nothing to keep with the beam yet
        return false;
    }
    if (state_.Model.Design.State == kmr::DesignState::Unreadable &&
        !AskYes(QString::fromStdString(state_.Model.Design.Problem) +
                QStringLiteral(
                    "\r\n\r\n読めない設計データを、入力した設計データで置き換えますか..."))) {
        for (int m = 1; m <= rowCount_; ++m) ShowRow(m);
        return false;
    }
    const kmr::DesignBlock block = BlockOf(data);
    EditDocument(state_, [&block](kmr::BeamModel& m) { m.Design = block; });
    shown_ = data;
    UpdateNow();
    return true;
}

bool CheckPage::AskYes(const QString& text) {
    return dialogs_.Message(MsgKind::Confirmation, text, Button::Yes | Button::Cancel) ==
           Button::Yes;
}

std::vector<int> CheckPage::MembersWithSection() const {
    std::vector<int> members;
    if (!check_.Done) return members;
    for (const kmr::ResolvedMember& m : check_.Design.Members) {
        if (m.HasSection) members.push_back(m.Member);
    }
    return members;
}

void CheckPage::SetIoFromSection(int member) {
    const kmr::ResolvedMember* r = check_.Done ? kmr::FindResolved(check_.Design, member) : nullptr;
    if (!r || !r->HasSection) return;
    const double ix = r->Props.Ix;
    if (!AskYes(QStringLiteral("部材 %1 の Io を %2 の Ix = %3 cm4 にします。よろしいですか...")
                    .arg(member)
                    .arg(QString::fromStdString(r->SectionName), kmr::Fixed(ix, 1))))
        return;
    EditDocument(state_,
                 [member, ix](kmr::BeamModel& m) { m.Members[std::size_t(member)].Io = ix; });
    if (ioShown_) ioShown_();
    UpdateNow();
}

void CheckPage::SetIoFromAllSections() {
    const std::vector<int> members = MembersWithSection();
    if (members.empty()) return;
    QString list;
    for (int m : members) {
        const kmr::ResolvedMember* r = kmr::FindResolved(check_.Design, m);
        list += QStringLiteral("\r\n部材 %1: %2  Ix = %3 cm4")
                    .arg(m)
                    .arg(QString::fromStdString(r->SectionName), kmr::Fixed(r->Props.Ix, 1));
    }
    if (!AskYes(QStringLiteral("断面のある部材の Io を断面の Ix にします。") + list +
                QStringLiteral("\r\n\r\nよろしいですか...")))
        return;
    const kmr::ResolvedDesign design = check_.Design;
    EditDocument(state_, [&](kmr::BeamModel& model) {
        for (int m : members)
            model.Members[std::size_t(m)].Io = kmr::FindResolved(design, m)->Props.Ix;
    });
    if (ioShown_) ioShown_();
    UpdateNow();
}

void CheckPage::ShowResults(const QString& problem) {
    message_->setText(problem);
    message_->setToolTip(problem);
    for (int m = 1; m <= rowCount_; ++m) {
        const kmr::MemberCheck* found = nullptr;
        for (const kmr::MemberCheck& c : check_.Result.Members) {
            if (c.Member == m) found = &c;
        }
        ShowResultCells(m, check_.Done ? found : nullptr);
    }
    setIoAll_->setEnabled(!MembersWithSection().empty());
    copy_->setEnabled(check_.Done && !check_.Result.Members.empty());
}

void CheckPage::ShowResultCells(int member, const kmr::MemberCheck* c) {
    const int r = member - 1;
    const bool section = c && c->HasSection;
    const QString dash = QStringLiteral("－");
    table_->setItem(r, kBendingColumn,
                    section ? ResultItem(MarkedRatio(c->BendingRatio), WithinLimit(c->BendingRatio))
                            : ResultItem(c ? dash : QString(), std::nullopt));
    table_->setItem(r, kShearColumn,
                    section ? ResultItem(MarkedRatio(c->ShearRatio), WithinLimit(c->ShearRatio))
                            : ResultItem(c ? dash : QString(), std::nullopt));
    table_->setItem(r, kDeflectionColumn,
                    c ? ResultItem(DeflectionText(*c), WithinLimit(c->DeflectionRatio))
                      : ResultItem(QString(), std::nullopt));
    table_->setItem(r, kVerdictColumn,
                    c ? ResultItem(c->Ok ? QStringLiteral("OK") : QStringLiteral("NG"), c->Ok)
                      : ResultItem(QString(), std::nullopt));
    if (QTableWidgetItem* v = table_->item(r, kVerdictColumn)) v->setTextAlignment(Qt::AlignCenter);
    rows_[std::size_t(member)].setIo->setEnabled(section);
}

QString CheckPage::MessageText() const {
    return message_->text();
}

QString CheckPage::CheckText() const {
    if (!check_.Done) return QString();
    const auto rows = kmr::CheckTableRows(model_, outputUnit_, check_);
    QString text;
    for (std::size_t c = 0; c < rows.front().size(); ++c) {
        QStringList cells;
        for (const auto& row : rows) cells << row[c].trimmed();
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void CheckPage::CopyCheckTable() {
    const QString text = CheckText();
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

}  // namespace kmr::ui
