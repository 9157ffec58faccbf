#pragma once

#include <QStringList>
#include <QStringView>
#include <string>
#include <vector>

namespace mirtal::reports {

// The labels of a chart's rows, kept one after another in a single string: a twenty-year
// report labels thousands of rows, and a string of its own for each cost more to make and to
// free than the rest of the row.
class RowLabelList {
  public:
    // Labels up to the new count are kept; new ones are empty.
    void resize(int count);
    // Sets the label at `index`, counted from 0; `label` may be one of this list's own.
    void set(int index, QStringView label);

    int size() const { return static_cast<int>(spans_.size()); }
    // The label at `index`, counted from 0; it lives as long as this list is left unchanged.
    QStringView at(int index) const;
    // Every label as a string of its own.
    QStringList toList() const;

  private:
    struct Span {
        std::size_t from = 0;
        std::size_t length = 0;
    };

    void compactIfMostlyUnused();

    std::u16string text_;
    std::vector<Span> spans_;
    // How much of text_ no label uses any more.
    std::size_t unused_ = 0;
};

}  // namespace mirtal::reports
