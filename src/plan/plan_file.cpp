#include "plan/plan_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>
#include <utility>

#include "files/table_file.h"

namespace bw::plan {

namespace {

template <class E, std::size_t N>
const char* NameOf(const std::array<std::pair<E, const char*>, N>& names, E value) {
    return names[static_cast<std::size_t>(value)].second;  // listed in the order of the enum
}

template <class E, std::size_t N>
std::optional<E> FromName(const std::array<std::pair<E, const char*>, N>& names,
                          std::string_view name) {
    for (const auto& [e, text] : names)
        if (name == text) return e;
    return std::nullopt;
}

const std::array<std::pair<Compounding, const char*>, 5> kCompoundings = {
    {{Compounding::Monthly, "monthly"},
     {Compounding::Bimonthly, "bimonthly"},
     {Compounding::Quarterly, "quarterly"},
     {Compounding::Semiannual, "semiannual"},
     {Compounding::Annual, "annual"}}};
const std::array<std::pair<Frequency, const char*>, 6> kFrequencies = {
    {{Frequency::Monthly, "monthly"},
     {Frequency::Semimonthly, "semimonthly"},
     {Frequency::TwoWeeks, "2weeks"},
     {Frequency::OneWeek, "1week"},
     {Frequency::BiweeklyAcc, "biweekly-acc"},
     {Frequency::WeeklyAcc, "weekly-acc"}}};
const std::array<std::pair<AfterLump, const char*>, 2> kAfters = {
    {{AfterLump::Shorter, "shorter"}, {AfterLump::Lower, "lower"}}};
const std::array<std::pair<PlanView, const char*>, 2> kViews = {
    {{PlanView::All, "all"}, {PlanView::Annual, "annual"}}};

double Units(Cents c) {
    return static_cast<double>(c) / 100.0;
}

QJsonValue DateValue(const QDate& date) {
    return date.isValid() ? QJsonValue(date.toString(Qt::ISODate)) : QJsonValue();
}

// Reads one document, remembering the first problem met.
class Reader {
  public:
    std::string problem;

    double number(const QJsonObject& o, const char* key, double fallback, bool required = false) {
        const QJsonValue v = o.value(key);
        if (v.isUndefined() || (v.isNull() && !required)) {
            if (required) fail(std::string("\"") + key + "\" is missing");
            return fallback;
        }
        if (!v.isDouble() || !std::isfinite(v.toDouble())) {
            fail(std::string("\"") + key + "\" is not a number");
            return fallback;
        }
        return v.toDouble();
    }
    std::optional<double> optionalNumber(const QJsonObject& o, const char* key) {
        const QJsonValue v = o.value(key);
        if (v.isUndefined() || v.isNull()) return std::nullopt;
        return number(o, key, 0);
    }
    int whole(const QJsonObject& o, const char* key, int fallback, bool required = false) {
        const double v = number(o, key, fallback, required);
        if (v != std::floor(v) || std::fabs(v) > 1e6) {
            fail(std::string("\"") + key + "\" is not a whole number");
            return fallback;
        }
        return static_cast<int>(v);
    }
    Cents amount(const QJsonObject& o, const char* key, Cents fallback, bool required = false) {
        const double v = number(o, key, Units(fallback), required);
        if (std::fabs(v) > 1e12) {
            fail(std::string("\"") + key + "\" is too large");
            return fallback;
        }
        return RoundCents(v);
    }
    std::string text(const QJsonObject& o, const char* key, const char* fallback) {
        const QJsonValue v = o.value(key);
        if (v.isUndefined()) return fallback;
        if (!v.isString()) fail(std::string("\"") + key + "\" is not a text");
        return v.toString().toStdString();
    }
    template <class E, std::size_t N>
    E choice(const QJsonObject& o, const char* key,
             const std::array<std::pair<E, const char*>, N>& names, E fallback) {
        const std::string name = text(o, key, NameOf(names, fallback));
        const auto e = FromName(names, name);
        if (!e) fail(std::string("\"") + key + "\" has the unknown value \"" + name + "\"");
        return e.value_or(fallback);
    }
    QDate date(const QJsonObject& o, const char* key) {
        const QJsonValue v = o.value(key);
        if (v.isUndefined() || v.isNull()) return {};
        const QDate d = QDate::fromString(v.toString(), Qt::ISODate);
        if (!v.isString() || !d.isValid()) fail(std::string("\"") + key + "\" is not a date");
        return d;
    }
    QJsonArray array(const QJsonObject& o, const char* key) {
        const QJsonValue v = o.value(key);
        if (!v.isUndefined() && !v.isArray()) fail(std::string("\"") + key + "\" is not a list");
        return v.toArray();
    }
    QJsonObject object(const QJsonValue& v, const char* list) {
        if (!v.isObject()) fail(std::string("an entry of \"") + list + "\" is not an object");
        return v.toObject();
    }
    void fail(const std::string& what) {
        if (problem.empty()) problem = what;
    }
};

bool Refuse(std::string* why, const std::string& text) {
    if (why) *why = text;
    return false;
}

}  // namespace

const char* CompoundingName(Compounding c) {
    return NameOf(kCompoundings, c);
}
const char* FrequencyName(Frequency f) {
    return NameOf(kFrequencies, f);
}
const char* AfterLumpName(AfterLump a) {
    return NameOf(kAfters, a);
}
const char* ViewName(PlanView v) {
    return NameOf(kViews, v);
}
std::optional<Compounding> CompoundingFromName(std::string_view name) {
    return FromName(kCompoundings, name);
}
std::optional<Frequency> FrequencyFromName(std::string_view name) {
    return FromName(kFrequencies, name);
}
std::optional<AfterLump> AfterLumpFromName(std::string_view name) {
    return FromName(kAfters, name);
}
std::optional<PlanView> ViewFromName(std::string_view name) {
    return FromName(kViews, name);
}

std::string FormatPlanFile(const PlanInput& in) {
    QJsonObject o;
    o["format"] = kPlanFileFormat;
    o["version"] = kPlanFileVersion;
    o["principal"] = Units(in.principal);
    o["years"] = in.years;
    o["compounding"] = CompoundingName(in.compounding);
    o["frequency"] = FrequencyName(in.frequency);
    o["days"] = in.daysInYear;
    o["first_date"] = DateValue(in.firstDate);
    QJsonArray rates;
    for (const RatePeriod& r : in.rates)
        rates.append(QJsonObject{{"years", r.years}, {"rate", r.ratePercent}});
    o["rates"] = rates;
    o["payment"] = in.payment ? QJsonValue(Units(*in.payment)) : QJsonValue();
    o["extra"] = Units(in.extra);
    o["extra_from"] = in.extraFrom;
    o["increase"] = in.increasePercent;
    o["increase_limit"] =
        in.increaseLimitPercent ? QJsonValue(*in.increaseLimitPercent) : QJsonValue();
    QJsonArray lumps;
    for (const LumpSum& l : in.lumps) {
        QJsonObject lump{{"amount", Units(l.amount)}};
        if (l.onOrAfter.isValid())
            lump["date"] = DateValue(l.onOrAfter);
        else
            lump["after_payment"] = l.afterPayment;
        lumps.append(lump);
    }
    o["lumps"] = lumps;
    o["privilege"] = in.privilegePercent ? QJsonValue(*in.privilegePercent) : QJsonValue();
    o["after"] = AfterLumpName(in.after);
    o["fee"] = Units(in.fee);
    o["fee_financed"] = in.feeFinanced;
    o["view"] = ViewName(in.view);
    return QJsonDocument(o).toJson(QJsonDocument::Indented).toStdString();
}

std::optional<PlanInput> ParsePlanFile(std::string_view bytes, std::string* why) {
    if (bytes.size() > kPlanFileMaxBytes) {
        Refuse(why, "not a plan file (too large)");
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError) {
        Refuse(why, "damaged plan file: " + error.errorString().toStdString() + " at byte " +
                        std::to_string(error.offset));
        return std::nullopt;
    }
    const QJsonObject o = doc.object();
    if (!doc.isObject() || o.value("format").toString() != kPlanFileFormat) {
        Refuse(why, "not a plan file (no \"format\": \"" + std::string(kPlanFileFormat) + "\")");
        return std::nullopt;
    }
    const QJsonValue version = o.value("version");
    if (!version.isDouble() || version.toDouble() != kPlanFileVersion) {
        Refuse(why, "plan file version " +
                        (version.isDouble() ? QString::number(version.toDouble()).toStdString()
                                            : std::string("(none)")) +
                        " is not known (this program reads version " +
                        std::to_string(kPlanFileVersion) + ")");
        return std::nullopt;
    }

    Reader r;
    PlanInput in;
    in.principal = r.amount(o, "principal", 0, true);
    in.years = r.whole(o, "years", 0, true);
    in.compounding = r.choice(o, "compounding", kCompoundings, in.compounding);
    in.frequency = r.choice(o, "frequency", kFrequencies, in.frequency);
    in.daysInYear = r.number(o, "days", in.daysInYear);
    in.firstDate = r.date(o, "first_date");
    if (!o.value("rates").isArray()) r.fail("\"rates\" is missing");
    for (const QJsonValue& v : r.array(o, "rates")) {
        const QJsonObject rate = r.object(v, "rates");
        in.rates.push_back({r.whole(rate, "years", 0), r.number(rate, "rate", 0, true)});
    }
    if (const auto payment = r.optionalNumber(o, "payment")) in.payment = RoundCents(*payment);
    in.extra = r.amount(o, "extra", 0);
    in.extraFrom = r.whole(o, "extra_from", 1);
    in.increasePercent = r.number(o, "increase", 0);
    in.increaseLimitPercent = r.optionalNumber(o, "increase_limit");
    for (const QJsonValue& v : r.array(o, "lumps")) {
        const QJsonObject lump = r.object(v, "lumps");
        LumpSum l;
        l.amount = r.amount(lump, "amount", 0, true);
        l.onOrAfter = r.date(lump, "date");
        if (!l.onOrAfter.isValid()) l.afterPayment = r.whole(lump, "after_payment", 0, true);
        in.lumps.push_back(l);
    }
    in.privilegePercent = r.optionalNumber(o, "privilege");
    in.after = r.choice(o, "after", kAfters, in.after);
    in.fee = r.amount(o, "fee", 0);
    if (o.contains("fee_financed") && !o.value("fee_financed").isBool())
        r.fail("\"fee_financed\" is not true or false");
    in.feeFinanced = o.value("fee_financed").toBool();
    in.view = r.choice(o, "view", kViews, in.view);
    if (!r.problem.empty()) {
        Refuse(why, "damaged plan file: " + r.problem);
        return std::nullopt;
    }
    return in;
}

bool SavePlanFile(const std::string& path, const PlanInput& input, std::string* why) {
    return WriteFileReplacing(path, FormatPlanFile(input), nullptr, why);
}

std::optional<PlanInput> LoadPlanFile(const std::string& path, std::string* why) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        Refuse(why, file.exists() ? "cannot read the file" : "no such file");
        return std::nullopt;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(kPlanFileMaxBytes) + 1);
    return ParsePlanFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), why);
}

}  // namespace bw::plan
