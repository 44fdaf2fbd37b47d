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

} // namespace

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
            projectionTexts(facts)};
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
    out << '}';
}

} // namespace sumafac::cli
