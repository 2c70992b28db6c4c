#include "UndoHistory.h"

#include <QStringList>
#include <algorithm>

#include "model/FileImage.h"

namespace kmr::ui {

void UndoHistory::Reset(DocumentImage image) {
    steps_.assign(1, Step{std::move(image), QString(), ViewPlace{}});
    current_ = 0;
}

void UndoHistory::Push(DocumentImage image, const QString& label, const ViewPlace& place) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, steps_.end());
    steps_.push_back(Step{std::move(image), label, place});
    if (steps_.size() > kLimit + 1) steps_.pop_front();
    current_ = steps_.size() - 1;
}

QString UndoHistory::UndoLabel() const {
    return CanUndo() ? steps_[current_].Label : QString();
}

QString UndoHistory::RedoLabel() const {
    return CanRedo() ? steps_[current_ + 1].Label : QString();
}

UndoHistory::Move UndoHistory::Undo() {
    if (!CanUndo()) return {Current(), ViewPlace{}};
    const ViewPlace place = steps_[current_].Place;
    --current_;
    return {Current(), place};
}

UndoHistory::Move UndoHistory::Redo() {
    if (!CanRedo()) return {Current(), ViewPlace{}};
    ++current_;
    return {Current(), steps_[current_].Place};
}

namespace {

// Field positions inside the records of the version-3 image.
constexpr std::size_t kSpanCountAt = 19, kSpanCountBytes = 4;  // in the header
constexpr std::size_t kSpanLengthAt = 7, kRealBytes = 10;      // member record
constexpr std::size_t kPropertiesAt = 17, kPropertiesBytes = 60;
constexpr std::size_t kMemberLoadsAt = 77;
constexpr std::size_t kConditionAt = 7, kConditionBytes = 4;  // support record
constexpr std::size_t kNodeLoadsAt = 11, kNodeLoadsBytes = 70;
constexpr std::size_t kSpringAt = 81;

class Differences {
  public:
    Differences(const DocumentImage& a, const DocumentImage& b) : a_(a), b_(b) {}
    void Check(std::size_t from, std::size_t count, const char* what) {
        if (Range(a_, from, count) != Range(b_, from, count)) {
            const QString name = QString::fromUtf8(what);
            if (!kinds_.contains(name)) kinds_ << name;
        }
    }
    QString Single() const { return kinds_.size() == 1 ? kinds_.front() : QString(); }

  private:
    static DocumentImage Range(const DocumentImage& image, std::size_t from, std::size_t count) {
        if (from >= image.size()) return {};
        const auto begin = image.begin() + static_cast<std::ptrdiff_t>(from);
        return DocumentImage(
            begin, begin + static_cast<std::ptrdiff_t>(std::min(count, image.size() - from)));
    }
    const DocumentImage& a_;
    const DocumentImage& b_;
    QStringList kinds_;
};

}  // namespace

QString DescribeChange(const DocumentImage& before, const DocumentImage& after) {
    Differences d(before, after);
    d.Check(kSpanCountAt, kSpanCountBytes, "スパン数");
    d.Check(0, kSpanCountAt, "共通データ");
    d.Check(kSpanCountAt + kSpanCountBytes, kHeaderBytes - kSpanCountAt - kSpanCountBytes,
            "共通データ");
    for (int n = 1; n <= kmr::kMaxSpans; ++n) {
        const std::size_t at = kMembersOffset + static_cast<std::size_t>(n) * kMemberRecordBytes;
        d.Check(at + kSpanLengthAt, kRealBytes, "スパン長");
        d.Check(at + kPropertiesAt, kPropertiesBytes, "断面２次ﾓｰﾒﾝﾄ・ﾔﾝｸﾞ係数");
        d.Check(at + kMemberLoadsAt, kMemberRecordBytes - kMemberLoadsAt, "部材荷重");
    }
    for (int n = 1; n <= kmr::kMaxSupports; ++n) {
        const std::size_t at = kSupportsOffset + static_cast<std::size_t>(n) * kSupportRecordBytes;
        d.Check(at + kConditionAt, kConditionBytes, "支点条件");
        d.Check(at + kNodeLoadsAt, kNodeLoadsBytes, "節点荷重");
        d.Check(at + kSpringAt, kRealBytes, "バネ定数");
    }
    const std::size_t longest = std::max(before.size(), after.size());
    if (longest > kVersion3Bytes) d.Check(kVersion3Bytes, longest - kVersion3Bytes, "設計データ");
    return d.Single();
}

}  // namespace kmr::ui
