#include "compare/comparison_file.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cmath>
#include <optional>

#include "shell/messages.h"
#include "shell/record_file.h"

namespace bw {

namespace {

// A text field cannot hold a double quote (it would end the field): a currency symbol typed
// with one is written with an apostrophe in its place.
std::string Quotable(std::string text) {
    std::replace(text.begin(), text.end(), '"', '\'');
    return text;
}

}  // namespace

std::string FormatComparisonFile(const ComparisonFile& f) {
    const ComparisonSheet& s = f.sheet;
    RecordWriter w;
    w.number(f.principal).number(f.rate).number(f.period);
    w.text(f.compounding).text(f.frequency);
    w.integer(f.daysOption).integer(f.rowView).integer(f.prePayYears).integer(f.prePayCount);
    w.integer(s.rowCounter).integer(s.lowerRows).integer(s.lowerCols).empty();
    w.integer(s.slot).integer(s.firstCol).integer(s.largest);
    for (int copy : s.blockLargest) w.integer(copy);
    w.integer(s.largestSlot).integer(f.resultRowCount).integer(f.prePayMonth);
    w.text("O").integer(0).endLine();

    const int years = std::clamp<int>(f.prePayYears, 0, kYearLastRow);
    for (int y = 1; y <= years; ++y) {
        const auto& row = f.prePayTable[static_cast<std::size_t>(y)];
        w.money(row[1]).money(row[2]).endLine();
    }
    const int rows = std::clamp(s.rowCounter, 0, kCompareMaxRows);
    for (int r = 0; r < rows; ++r)
        for (const std::string& cell : s.upper[static_cast<std::size_t>(r)])
            w.text(Quotable(cell)).endLine();
    for (int r = 0; r < s.lowerRows; ++r)
        for (int c = 0; c < s.lowerCols; ++c) {
            const bool present = static_cast<std::size_t>(r) < s.lower.size() &&
                                 static_cast<std::size_t>(c) < s.lower[r].size();
            w.text(present ? Quotable(s.lower[r][c]) : std::string()).endLine();
        }
    for (int r = 0; r < rows; ++r) {
        const bool present = static_cast<std::size_t>(r) < s.graph.size();
        w.text(present ? s.graph[r].label : std::string());
        w.number(present ? s.graph[r].value : 0.0).endLine();
    }
    w.text(Quotable(s.printText)).endLine();
    for (int e = 0; e < kAddPayEntries; ++e)
        for (int slot = 0; slot < kAddPaySlots; ++slot)
            w.text(Quotable(s.addPayLabels[e][slot]))
                .text(Quotable(s.addPayAmounts[e][slot]))
                .endLine();
    return w.str();
}

namespace {

// A record read that stops at the first field that is missing or of the wrong type, and notes
// the first value out of range (which does not stop the reading of the header's fields).
class Checked {
  public:
    explicit Checked(std::string_view bytes) : in_(bytes) {}

    bool ok() const { return why_.empty(); }
    bool valuesOk() const { return badValue_.empty(); }
    const std::string& why() const { return why_.empty() ? badValue_ : why_; }
    RecordReader& reader() { return in_; }

    void fail(const std::string& what) {
        if (why_.empty()) why_ = what;
    }
    void bad(const std::string& what) {
        if (badValue_.empty()) badValue_ = what;
    }
    double number(const char* what) {
        if (!ok()) return 0;
        auto v = in_.number();
        if (!v) fail(what);
        return v.value_or(0);
    }
    std::string text(const char* what) {
        if (!ok()) return {};
        auto v = in_.text();
        if (!v) fail(what);
        return v.value_or(std::string());
    }
    std::int16_t int16(const char* what, int low, int high) {
        if (!ok()) return 0;
        auto v = in_.int16();
        if (!v) {
            fail(what);
            return 0;
        }
        if (*v < low || *v > high) bad(what);
        return *v;
    }
    // A single-precision count of the window's bookkeeping: a whole number in the range.
    int count(const char* what, int low, int high) {
        if (!ok()) return 0;
        auto v = in_.single();
        if (!v) {
            fail(what);
            return 0;
        }
        if (std::floor(*v) != *v || *v < low || *v > high) {
            bad(what);
            return 0;
        }
        return static_cast<int>(*v);
    }
    Money money(const char* what) {
        if (!ok()) return {};
        auto v = in_.money();
        if (!v) fail(what);
        return v.value_or(Money());
    }
    void skip(const char* what) {
        if (ok() && !in_.skipField()) fail(what);
    }

  private:
    RecordReader in_;
    std::string why_;
    std::string badValue_;
};

bool InList(const std::string& text, const auto& list) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// Reads the header's first 21 fields.
void ReadCommonHeader(Checked& in, ComparisonFile& f) {
    ComparisonSheet& s = f.sheet;
    f.principal = in.number("principal");
    f.rate = in.number("rate");
    f.period = in.number("period");
    f.compounding = in.text("compounding");
    f.frequency = in.text("frequency");
    f.daysOption = in.int16("days option", 0, 4);
    f.rowView = in.int16("row view", 0, 2);
    f.prePayYears = in.int16("additional payment years", 0, kYearLastRow);
    f.prePayCount = in.int16("additional payment count", 0, kYearLastRow);
    s.rowCounter = in.count("row counter", 0, kCompareMaxRows);
    s.lowerRows = in.count("lower grid rows", 0, kLowerMaxRows);
    s.lowerCols = in.count("lower grid columns", 0, kLowerMaxCols);
    in.skip("field 13");
    s.slot = in.count("slot index", 0, kAddPaySlots);
    s.firstCol = in.count("first column", 0, kLowerMaxCols);
    s.largest = in.count("largest count", 0, kAddPayEntries - 1);
    for (int& copy : s.blockLargest) copy = in.count("block count", 0, kAddPayEntries - 1);
    s.largestSlot = in.count("largest slot", 0, kAddPaySlots - 1);
    f.resultRowCount = in.int16("result row count", 0, kCompareMaxRows);
    if (!in.ok()) return;
    if (!InList(f.compounding, lists::kCompounding)) in.bad("compounding text");
    if (!InList(f.frequency, lists::kFrequency)) in.bad("frequency text");
    if (s.slot > s.rowCounter) in.bad("slot index past the rows");
}

// The records after the header.
void ReadBody(Checked& in, ComparisonFile& f) {
    ComparisonSheet& s = f.sheet;
    for (int y = 1; y <= f.prePayYears && in.ok(); ++y) {
        auto& row = f.prePayTable[static_cast<std::size_t>(y)];
        row[1] = in.money("year record");
        row[2] = in.money("year record");
    }
    s.upper.fill(UpperRow{});
    for (int r = 0; r < s.rowCounter && in.ok(); ++r)
        for (std::string& cell : s.upper[static_cast<std::size_t>(r)])
            cell = in.text("upper grid cell");
    s.lower.assign(static_cast<std::size_t>(s.lowerRows),
                   std::vector<std::string>(static_cast<std::size_t>(s.lowerCols)));
    for (auto& row : s.lower)
        for (std::string& cell : row) cell = in.text("lower grid cell");
    s.graph.clear();
    for (int r = 0; r < s.rowCounter && in.ok(); ++r) {
        GraphPoint p;
        p.label = in.text("graph label");
        p.value = in.number("graph value");
        try {
            (void)Money::fromDouble(p.value);  // a total interest always fits the currency range
        } catch (const CurrencyOverflow&) {
            in.fail("graph value");
        }
        s.graph.push_back(p);
    }
    s.printText = in.text("printout text");
    for (int e = 0; e < kAddPayEntries && in.ok(); ++e)
        for (int slot = 0; slot < kAddPaySlots && in.ok(); ++slot) {
            s.addPayLabels[e][slot] = in.text("lower grid text");
            s.addPayAmounts[e][slot] = in.text("lower grid text");
        }
    if (in.ok()) s.layOutLower();
}

}  // namespace

ComparisonFileRead ParseComparisonFile(std::string_view bytes, std::int16_t prePayMonth) {
    ComparisonFileRead result;

    // The header of this format: 24 fields on the first line.
    {
        Checked in(bytes);
        ComparisonFile f;
        ReadCommonHeader(in, f);
        bool shape = in.ok() && !in.reader().atLineStart();
        if (shape) {
            f.prePayMonth = in.int16("month", 1, 12);
            in.skip("field 23");
            in.skip("field 24");
            shape = in.ok() && in.reader().atLineStart();
        }
        if (shape) {
            if (in.valuesOk()) ReadBody(in, f);
            if (in.ok() && in.valuesOk()) {
                result.ok = true;
                result.file = std::move(f);
            } else {
                result.messages.push_back(Msg::FileNotFound);
                result.why = in.why();
            }
            return result;
        }
    }

    // The previous format: 21 header fields, the additional payments' month is kept.
    result.messages.push_back(Msg::OldFormat);
    result.previousFormat = true;
    Checked in(bytes);
    ComparisonFile f;
    f.prePayMonth = prePayMonth;
    ReadCommonHeader(in, f);
    if (in.ok() && !in.reader().atLineStart()) in.fail("header of neither format");
    if (in.ok() && in.valuesOk()) ReadBody(in, f);
    if (in.ok() && in.valuesOk()) {
        result.ok = true;
        result.file = std::move(f);
    } else {
        result.messages.push_back(Msg::FileNotFound);
        result.why = in.why();
    }
    return result;
}

ComparisonFileRead ReadComparisonFile(const std::string& path, std::int16_t prePayMonth) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        ComparisonFileRead r;
        r.messages = {Msg::FileNotFound};
        r.why = "cannot be opened";
        return r;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(kComparisonFileMaxBytes) + 1);
    if (static_cast<std::size_t>(bytes.size()) > kComparisonFileMaxBytes) {
        ComparisonFileRead r;
        r.messages = {Msg::FileNotFound};
        r.why = "too large";
        return r;
    }
    return ParseComparisonFile(std::string_view(bytes.constData(), bytes.size()), prePayMonth);
}

bool WriteComparisonFile(const std::string& path, const ComparisonFile& file) {
    if (path.empty()) return false;
    const std::string bytes = FormatComparisonFile(file);
    QSaveFile out(QString::fromStdString(path));
    if (!out.open(QIODevice::WriteOnly)) return false;
    if (out.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

}  // namespace bw
