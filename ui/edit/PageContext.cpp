#include "edit/PageContext.h"

#include <QLabel>

#include "Messages.h"
#include "UserDialogs.h"
#include "WindowState.h"
#include "edit/EditRules.h"
#include "edit/LoadPictures.h"
#include "edit/NumberField.h"

namespace kmr::ui {

PageContext::PageContext(WindowState& state, UserDialogs& dialogs, QWidget* window,
                         EditSequences& sequences, QWidget* pictureHolder)
    : state_(state), dialogs_(dialogs), window_(window), sequences_(sequences) {
    for (int i = 0; i < 8; ++i) {
        QLabel* image = new QLabel(pictureHolder);
        image->setObjectName(QStringLiteral("ImageSv%1").arg(i));
        image->setPixmap(LoadTypePicture(i));
        image->hide();
        pictures_[static_cast<std::size_t>(i)] = image;
    }
}

int PageContext::InputUnit() const {
    return state_.Model.Header.InputUnit;
}

QPixmap PageContext::LoadPicture(int index) const {
    return pictures_[static_cast<std::size_t>(index >= 0 && index < 8 ? index : 6)]->pixmap();
}

bool PageContext::Run(const std::function<void()>& body) const {
    return RunShowingErrors(dialogs_, body);
}

void PageContext::ShowError(const QString& text) const {
    ShowErrorMessage(dialogs_, text);
}

bool PageContext::Validate(kmr::ValidationMode mode) const {
    const kmr::ValidationResult r = kmr::ValidateModel(state_.Model, mode);
    if (r.field == kmr::ValidationField::CommonLoad) sequences_.MarkCommonLoadOverLimit();
    if (r.Passed()) return true;
    ShowError(msg::RefusalMessage(r));
    return false;
}

void PageContext::BindField(NumberField* field, const FieldLimit& limit, bool dashIsZero,
                            std::function<void(double)> store, std::function<void()> after) {
    field->SetOnChange([this, field, limit, dashIsZero, store, after] {
        Run([&] {
            const FieldOutcome out = EvaluateField(field->text(), limit, InputUnit(), dashIsZero);
            field->SetRed(out.red);
            if (out.marksChanged) state_.IsModified = true;
            store(field->ShownValue().value_or(out.value));
            if (after) after();
        });
    });
    BindShow(field, limit);
}

void PageContext::BindShow(NumberField* field, const FieldLimit& limit) {
    field->SetOnShow(
        [this, field, limit](double v) { field->SetRed(IsOverLimit(limit, InputUnit(), v)); });
}

void PageContext::BindLoadField(NumberField* field, const FieldLimit& limit) {
    BindShow(field, limit);
    field->SetOnChange([this, field, limit] {
        state_.IsModified = true;
        const QString t = field->text().trimmed();
        if (t == QLatin1String("-")) return;
        const std::optional<double> v = t.isEmpty() ? 0.0 : ParseNumber(t);
        if (v) field->SetRed(IsOverLimit(limit, InputUnit(), *v));
    });
}

}  // namespace kmr::ui
