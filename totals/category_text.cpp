// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/category_text.h"

#include <cstdio>

namespace sumafac {
namespace {

// "01/08/2026", as dates are written in Argentina.
std::string shownDate(const CalendarDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.day, date.month, date.year);
    return text;
}

std::string monthsText(int months)
{
    return std::to_string(months) + (months == 1 ? " mes" : " meses");
}

} // namespace

std::string categoryLine(const CategoryFacts& facts)
{
    if (!facts.hasYear) {
        return {};
    }
    std::string line = std::string("Recategorización de ") +
                       (facts.recategorizationMonth == January ? "enero " : "julio ") +
                       std::to_string(facts.recategorizationYear);
    if (facts.scaleFrom) {
        line += ", escala desde " + shownDate(*facts.scaleFrom);
        if (*facts.scaleFrom != facts.scaleWanted) {
            line += " (falta la del " + shownDate(facts.scaleWanted) + ")";
        }
    }
    if (facts.months < MonthsInTable) {
        line += ", total parcial de " + monthsText(facts.months);
    }
    line += ": ";
    if (!facts.scaleFrom) {
        return line + "no hay escala del monotributo para el " + shownDate(facts.scaleWanted) + ", sin categoría.";
    }
    if (!facts.category) {
        return line + "sin categoría, porque el total no es un número (hay un importe que no se puede sumar).";
    }
    if (*facts.category == ExcludedCategory) {
        return line + "supera la categoría K, cuyo tope es " + groupedAmountText(*facts.ceiling) + ".";
    }
    line += "categoría " + std::string(1, categoryLetter(*facts.category)) + "; faltan " +
            groupedAmountText(*facts.headroom) + " para su tope de " + groupedAmountText(*facts.ceiling);
    if (facts.monthlyAverage) {
        const int emptyMonths = MonthsInTable - facts.months;
        line += "; puede facturar hasta " + groupedAmountText(*facts.monthlyAverage) + " por mes en " +
                (emptyMonths == 1 ? std::string("el mes vacío") : "los " + monthsText(emptyMonths) + " vacíos");
    }
    return line + ".";
}

} // namespace sumafac
