// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fact_texts.h"

#include <cstdio>

namespace sumafac::cli {
namespace {

std::string amountOrNothing(const std::optional<Cents>& amount)
{
    return amount ? amountText(*amount) : std::string();
}

std::optional<ProjectionTexts> projectionTexts(const CategoryFacts& facts)
{
    if (!facts.projection) {
        return std::nullopt;
    }
    const CategoryProjection& projection = *facts.projection;
    return ProjectionTexts{amountText(projection.period.pace), static_cast<int>(projection.period.monthsAhead.size()),
                           amountText(projection.period.total), categoryCode(projection.category),
                           projection.crosses ? yearMonthCode(*projection.crosses) : ""};
}

std::optional<RecategorizationTexts> recategorizationTexts(const CategoryFacts& facts)
{
    if (!facts.recategorization) {
        if (!facts.category) {
            return std::nullopt;
        }
        // A table without the other columns: the income alone decides, as it always has.
        RecategorizationTexts texts;
        texts.byParameter[0] = categoryCode(facts.category);
        texts.deciding = parameterCode(Parameter::Income);
        texts.excludedBy = exclusionCause(facts) ? parameterCode(*exclusionCause(facts)) : "";
        return texts;
    }
    const Recategorization& whole = *facts.recategorization;
    RecategorizationTexts texts;
    for (int parameter = 0; parameter < CategoryParameters; ++parameter) {
        texts.byParameter.at(parameter) = categoryCode(whole.byParameter.at(parameter));
    }
    texts.deciding = whole.deciding ? parameterCode(*whole.deciding) : "";
    texts.excludedBy = whole.excludedBy ? parameterCode(*whole.excludedBy) : "";
    texts.activityMonths = whole.activityMonths;
    texts.annualizedTotal = amountOrNothing(whole.annualizedTotal);
    if (whole.fee) {
        const MonthlyFee& fee = *whole.fee;
        texts.fee = FeeTexts{!fee.activity                      ? ""
                             : *fee.activity == Activity::Goods ? "venta"
                                                                : "servicios",
                             amountText(fee.tax),
                             amountText(fee.pension),
                             amountText(fee.healthCover),
                             amountText(fee.total),
                             amountOrNothing(fee.totalGoods)};
    }
    texts.monthlyAllowance = whole.allowance ? amountText(whole.allowance->perMonth) : "";
    return texts;
}

// A JSON string, or null for "".
std::string jsonOrNull(const std::string& text)
{
    return text.empty() ? "null" : jsonString(text);
}

} // namespace

const char* const RecategorizationCsvHeader =
    "by_parameter_ingresos,by_parameter_superficie,by_parameter_energia,by_parameter_alquileres,deciding,excluded_by,"
    "activity_months,annualized_total,fee_activity,fee_impuesto,fee_sipa,fee_obra_social,fee_total,fee_total_venta,"
    "monthly_allowance";

std::string recategorizationCsvFields(const std::optional<RecategorizationTexts>& texts)
{
    const RecategorizationTexts whole = texts.value_or(RecategorizationTexts{});
    const FeeTexts fee = whole.fee.value_or(FeeTexts{});
    std::string fields;
    for (const std::string& field :
         {whole.byParameter[0], whole.byParameter[1], whole.byParameter[2], whole.byParameter[3], whole.deciding,
          whole.excludedBy, whole.activityMonths ? std::to_string(*whole.activityMonths) : std::string(),
          whole.annualizedTotal, fee.activity, fee.tax, fee.pension, fee.healthCover, fee.total, fee.totalGoods,
          whole.monthlyAllowance}) {
        fields += (fields.empty() ? "" : ",") + csvField(field);
    }
    return fields;
}

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string categoryCode(const std::optional<int>& category)
{
    if (!category) {
        return "";
    }
    return *category == ExcludedCategory ? "excluded" : std::string(1, categoryLetter(*category));
}

std::string yearMonthCode(const YearMonth& when)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d", when.year, when.month);
    return text;
}

FactTexts factTextsOf(const CategoryFacts& facts)
{
    const bool placed = facts.category && *facts.category != ExcludedCategory;
    return {facts.table,
            facts.months,
            amountOrNothing(facts.total),
            yearMonthCode({facts.recategorizationYear, facts.recategorizationMonth}),
            isoDate(facts.scaleWanted),
            facts.scaleFrom ? isoDate(*facts.scaleFrom) : "",
            categoryCode(facts.category),
            categoryCode(facts.servicesCategory),
            placed ? amountText(*facts.ceiling) : "",
            amountOrNothing(facts.headroom),
            amountOrNothing(facts.monthlyAverage),
            projectionTexts(facts),
            recategorizationTexts(facts)};
}

void writeFactsJson(std::ostream& out, const FactTexts& facts, const std::string& caption)
{
    out << '{';
    if (!caption.empty()) {
        out << "\"caption\": " << jsonString(caption) << ", ";
    }
    out << "\"table\": " << facts.table << ", \"months\": " << facts.months
        << ", \"total\": " << jsonString(facts.total)
        << ", \"recategorization\": " << jsonString(facts.recategorization)
        << ", \"scale_wanted\": " << jsonString(facts.scaleWanted)
        << ", \"scale_from\": " << jsonString(facts.scaleFrom) << ", \"category\": " << jsonString(facts.category)
        << ", \"services_category\": " << jsonString(facts.servicesCategory)
        << ", \"ceiling\": " << jsonString(facts.ceiling) << ", \"headroom\": " << jsonString(facts.headroom)
        << ", \"projection\": ";
    if (facts.projection) {
        const ProjectionTexts& projection = *facts.projection;
        out << "{\"pace\": " << jsonString(projection.pace) << ", \"months_left\": " << projection.monthsLeft
            << ", \"total\": " << jsonString(projection.total) << ", \"category\": " << jsonString(projection.category)
            << ", \"crosses\": " << jsonString(projection.crosses) << '}';
    } else {
        out << "null";
    }
    const RecategorizationTexts whole = facts.whole.value_or(RecategorizationTexts{});
    out << ", \"by_parameter\": {";
    for (int parameter = 0; parameter < CategoryParameters; ++parameter) {
        out << (parameter > 0 ? ", " : "") << '"' << parameterCode(static_cast<Parameter>(parameter))
            << "\": " << jsonOrNull(whole.byParameter.at(parameter));
    }
    out << "}, \"deciding\": " << jsonOrNull(whole.deciding) << ", \"excluded_by\": " << jsonOrNull(whole.excludedBy)
        << ", \"activity_months\": " << (whole.activityMonths ? std::to_string(*whole.activityMonths) : "null")
        << ", \"annualized_total\": " << jsonOrNull(whole.annualizedTotal) << ", \"fee\": ";
    if (whole.fee) {
        const FeeTexts& fee = *whole.fee;
        out << "{\"activity\": " << jsonOrNull(fee.activity) << ", \"impuesto\": " << jsonString(fee.tax)
            << ", \"sipa\": " << jsonString(fee.pension) << ", \"obra_social\": " << jsonString(fee.healthCover)
            << ", \"total\": " << jsonString(fee.total);
        if (!fee.totalGoods.empty()) {
            out << ", \"total_venta\": " << jsonString(fee.totalGoods);
        }
        out << '}';
    } else {
        out << "null";
    }
    out << ", \"monthly_allowance\": " << jsonOrNull(whole.monthlyAllowance) << '}';
}

} // namespace sumafac::cli
