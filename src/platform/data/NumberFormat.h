#pragma once

#include <QString>

namespace tarvand::data {

// Display formats of numeric fields, in the notation the editors' designs use:
//   "0" a digit always shown, "#" a digit shown when significant, "." the decimal point,
//   "," anywhere among the integer digits: group thousands, "'…'" or "\"…\"" literal text,
//   ";" separates the formats for positive, negative and zero values.
// Text before the first and after the last digit placeholder is kept as it stands.
class NumberFormat {
public:
    explicit NumberFormat(const QString& format);

    QString format(double value) const;

private:
    struct Section {
        QString prefix;
        QString suffix;
        int minIntegerDigits = 0;
        int minDecimals = 0;
        int maxDecimals = 0;
        bool grouping = false;
        bool hasPlaceholder = false;
    };

    static Section parseSection(const QString& text);
    static QString render(const Section& section, double magnitude);

    Section sections_[3];
    int sectionCount_ = 0;
};

} // namespace tarvand::data
