// SPDX-License-Identifier: GPL-3.0-or-later
// The monotributo facts of a table as programs read them, and the quoting of the printouts: shared by the window's
// printout and the portfolio's.
#pragma once

#include "totals/category.h"

#include <array>
#include <optional>
#include <ostream>
#include <string>

namespace sumafac::cli {

struct ProjectionTexts
{
    std::string pace;
    int monthsLeft = 0;
    std::string total;
    std::string category;
    std::string crosses;
};

struct FeeTexts
{
    std::string activity; // "servicios", "venta", "" when not given
    std::string tax;
    std::string pension;
    std::string healthCover;
    std::string total;
    std::string totalGoods; // only when the activity was not given
};

// The whole recategorization; "" for none.
struct RecategorizationTexts
{
    std::array<std::string, CategoryParameters> byParameter; // a letter, "excluded", "" when not given
    std::string deciding;
    std::string excludedBy;
    std::optional<int> activityMonths;
    std::string annualizedTotal;
    std::optional<FeeTexts> fee;
    std::string monthlyAllowance;
};

// Amounts written as in the tables, "" for none.
struct FactTexts
{
    int table = 0;
    int months = 0;
    std::string total;
    std::string recategorization;
    std::string scaleWanted;
    std::string scaleFrom;
    std::string category;
    std::string servicesCategory;
    std::string ceiling;
    std::string headroom;
    std::string monthlyAverage;
    std::optional<ProjectionTexts> projection;
    // With a category: every parameter (the income alone against a table without the other columns), the fee.
    std::optional<RecategorizationTexts> whole;
};

FactTexts factTextsOf(const CategoryFacts& facts);

// {"table": 1, "months": 12, ..., "projection": null}; a caption, when given, comes first ({"caption": "2025", ...}).
void writeFactsJson(std::ostream& out, const FactTexts& facts, const std::string& caption = {});

// A category as programs read it: a letter, "excluded" above K, "" for none.
std::string categoryCode(const std::optional<int>& category);

// "2026-07".
std::string yearMonthCode(const YearMonth& when);

// The header of the columns the CSV printouts write for the whole recategorization, after a comma, and a table's
// fields under it.
extern const char* const RecategorizationCsvHeader;
std::string recategorizationCsvFields(const std::optional<RecategorizationTexts>& texts);

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string csvField(const std::string& text);

// A JSON string, quotes included.
std::string jsonString(const std::string& text);

} // namespace sumafac::cli
