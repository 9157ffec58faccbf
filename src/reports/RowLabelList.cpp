#include "reports/RowLabelList.h"

namespace mirtal::reports {

void RowLabelList::resize(int count) {
    const auto kept = static_cast<std::size_t>(count);
    for (std::size_t index = kept; index < spans_.size(); ++index) {
        unused_ += spans_[index].length;
    }
    spans_.resize(kept);
    compactIfMostlyUnused();
}

void RowLabelList::set(int index, QStringView label) {
    Span& span = spans_.at(static_cast<std::size_t>(index));
    unused_ += span.length;
    const std::u16string_view added(label.utf16(), static_cast<std::size_t>(label.size()));
    span = Span{text_.size(), added.size()};
    text_.append(added);
    compactIfMostlyUnused();
}

QStringView RowLabelList::at(int index) const {
    const Span& span = spans_.at(static_cast<std::size_t>(index));
    return QStringView(text_.data() + span.from, static_cast<qsizetype>(span.length));
}

QStringList RowLabelList::toList() const {
    QStringList labels;
    labels.reserve(size());
    for (int index = 0; index < size(); ++index) {
        labels.append(at(index).toString());
    }
    return labels;
}

void RowLabelList::compactIfMostlyUnused() {
    // A label set again, as every one is when a report is drawn anew, leaves its old text
    // behind; once that is more than half of the text, the labels are written out afresh.
    if (unused_ <= text_.size() / 2) {
        return;
    }
    std::u16string text;
    text.reserve(text_.size() - unused_);
    for (Span& span : spans_) {
        const std::size_t from = text.size();
        text.append(text_, span.from, span.length);
        span.from = from;
    }
    text_ = std::move(text);
    unused_ = 0;
}

}  // namespace mirtal::reports
