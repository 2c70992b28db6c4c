#include "check/DesignRows.h"

#include <cmath>

#include "report/ReportWords.h"

namespace kmr::ui {
namespace {

constexpr double kDefaultLimit = 300;
constexpr double kDefaultFactor = 1;
constexpr int kMaxBracing = 100;

QString Number(double v) {
    return QString::number(v, 'g', 10);
}

// A finite number, or nullopt.
std::optional<double> Read(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

QString Refusal(int member, const QString& field, const QString& what) {
    return QStringLiteral("部材 %1 の %2: %3").arg(member).arg(field, what);
}

QString ReadPlates(int member, const DesignRowText& t, MemberDesign& d) {
    const struct {
        const QString& text;
        const char* name;
        double* value;
    } fields[] = {{t.H, "H", &d.H}, {t.B, "B", &d.B}, {t.Tw, "tw", &d.Tw}, {t.Tf, "tf", &d.Tf}};
    for (const auto& f : fields) {
        const std::optional<double> v = Read(f.text);
        if (!v || *v <= 0)
            return Refusal(member, QString::fromLatin1(f.name),
                           QStringLiteral("正の数（mm）を入力してください。"));
        *f.value = *v;
    }
    const std::optional<double> r = t.R.trimmed().isEmpty() ? 0.0 : Read(t.R);
    if (!r || *r < 0)
        return Refusal(member, QStringLiteral("r"),
                       QStringLiteral("0 以上の数（mm）を入力してください。"));
    if (2 * d.Tf >= d.H)
        return Refusal(member, QStringLiteral("tf"),
                       QStringLiteral("H の半分より小さくしてください。"));
    d.R = *r;
    d.HasPlates = true;
    d.Fab = t.Welded ? Fabrication::Welded : Fabrication::Rolled;
    return {};
}

QString ReadSection(int member, const DesignRowText& t, MemberDesign& d) {
    const QString name = t.Section.trimmed();
    if (name.isEmpty()) return {};
    if (name == PlatesItem()) return ReadPlates(member, t, d);
    const ListedSection* s = FindSection(name.toStdString());
    for (const ListedSection& listed : SectionList()) {  // typed in either case
        if (!s && name.compare(QString::fromLatin1(listed.Name), Qt::CaseInsensitive) == 0)
            s = &listed;
    }
    if (!s)
        return Refusal(member, QStringLiteral("断面"),
                       QStringLiteral("「%1」は一覧にありません。").arg(name));
    d.Section = s->Name;
    return {};
}

QString ReadSteel(int member, const DesignRowText& t, MemberDesign& d) {
    const QString steel = t.Steel.trimmed();
    if (steel.startsWith(QStringLiteral("F="))) {
        const std::optional<double> f = Read(steel.mid(2));
        if (!f || *f <= 0)
            return Refusal(member, QStringLiteral("鋼種"),
                           QStringLiteral("F は正の数（N/mm2）です。"));
        d.F = *f;
        return {};
    }
    if (!FindSteelGrade(steel.toStdString()))
        return Refusal(member, QStringLiteral("鋼種"),
                       QStringLiteral("「%1」は一覧にありません。").arg(steel));
    d.Steel = steel.toStdString();
    return {};
}

QString ReadBracing(int member, const DesignRowText& t, MemberDesign& d) {
    const std::optional<double> n = Read(t.Bracing);
    if (!n || *n < 1 || *n > kMaxBracing || *n != std::floor(*n))
        return Refusal(
            member, QStringLiteral("n"),
            QStringLiteral("横補剛の区間数は 1〜%1 の整数で入力してください。").arg(kMaxBracing));
    d.Bracing = static_cast<int>(*n);
    if (t.Lb.trimmed().isEmpty()) return {};
    const std::optional<double> lb = Read(t.Lb);
    if (!lb || *lb <= 0)
        return Refusal(member, QStringLiteral("lb"),
                       QStringLiteral("正の数（m）を入力するか、空欄（L/n）にしてください。"));
    d.Lb = *lb;
    return {};
}

QString ReadDeflection(int member, const DesignRowText& t, MemberDesign& d) {
    const std::optional<double> limit = Read(t.Limit);
    if (!limit || *limit <= 0)
        return Refusal(member, QStringLiteral("たわみ制限"),
                       QStringLiteral("正の数（L/n の n）を入力してください。"));
    const std::optional<double> factor = Read(t.Factor);
    if (!factor || *factor <= 0)
        return Refusal(member, QStringLiteral("変形増大係数"),
                       QStringLiteral("正の数を入力してください（鉄筋コンクリートは 8）。"));
    d.DeflectionLimit = *limit;
    d.DeflectionFactor = *factor;
    return {};
}

}  // namespace

QString PlatesItem() {
    return QStringLiteral("寸法指定");
}

QStringList SectionItems() {
    QStringList items{QString()};
    for (const ListedSection& s : SectionList()) items << QString::fromLatin1(s.Name);
    items << PlatesItem();
    return items;
}

QStringList SteelItems() {
    QStringList items;
    for (const SteelGrade& g : SteelGrades()) items << QString::fromLatin1(g.Name);
    return items;
}

QString SteelDefault() {
    return QStringLiteral("SN400B");
}

DesignRowText RowText(const MemberDesign* d) {
    DesignRowText t;
    t.Steel = SteelDefault();
    if (!d) return t;
    t.Section = d->HasPlates ? PlatesItem() : QString::fromStdString(d->Section);
    if (d->HasPlates) {
        t.H = Number(d->H), t.B = Number(d->B), t.Tw = Number(d->Tw), t.Tf = Number(d->Tf);
        t.R = Number(d->R);
        t.Welded = d->Fab == Fabrication::Welded;
    }
    if (d->F > 0) t.Steel = QStringLiteral("F=") + Number(d->F);
    if (!d->Steel.empty()) t.Steel = QString::fromStdString(d->Steel);
    t.Bracing = QString::number(d->Bracing);
    t.Lb = d->Lb > 0 ? Number(d->Lb) : QString();
    t.Limit = Number(d->DeflectionLimit);
    t.Factor = Number(d->DeflectionFactor);
    return t;
}

RowReading ReadRow(int member, const DesignRowText& t) {
    MemberDesign d;
    d.Member = member;
    RowReading out;
    out.Error = ReadSection(member, t, d);
    if (out.Error.isEmpty() && d.HasSection()) out.Error = ReadSteel(member, t, d);
    if (out.Error.isEmpty() && d.HasSection()) out.Error = ReadBracing(member, t, d);
    if (out.Error.isEmpty()) out.Error = ReadDeflection(member, t, d);
    if (!out.Error.isEmpty()) return out;
    if (d.HasSection() || d.DeflectionLimit != kDefaultLimit ||
        d.DeflectionFactor != kDefaultFactor)
        out.Design = d;
    return out;
}

DesignData WithMember(const DesignData& data, int member, const std::optional<MemberDesign>& d) {
    DesignData out;
    out.Method = data.Method;
    bool placed = false;
    for (const MemberDesign& m : data.Members) {
        if (!placed && d && m.Member > member) {
            out.Members.push_back(*d);
            placed = true;
        }
        if (m.Member != member) out.Members.push_back(m);
    }
    if (!placed && d) out.Members.push_back(*d);
    return out;
}

DesignBlock BlockOf(const DesignData& data) {
    return data.Members.empty() ? DesignBlock{} : MakeDesignBlock(data);
}

bool WithinLimit(double ratio) {
    return ratio <= 1;
}

QString MarkedRatio(double ratio) {
    return kmr::Fixed(ratio, 3) +
           (WithinLimit(ratio) ? QStringLiteral(" ○") : QStringLiteral(" ×"));
}

}  // namespace kmr::ui
