// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/category_text.h"

#include <algorithm>
#include <array>

namespace sumafac {
namespace {

constexpr std::array<const char*, 12> MonthWords = {"enero",      "febrero", "marzo",     "abril",
                                                    "mayo",       "junio",   "julio",     "agosto",
                                                    "septiembre", "octubre", "noviembre", "diciembre"};

std::string monthsText(int months)
{
    return std::to_string(months) + (months == 1 ? " mes" : " meses");
}

std::string letter(int category)
{
    return std::string(1, categoryLetter(category));
}

std::string headroomText(const CategoryFacts& facts)
{
    std::string text =
        "faltan " + groupedAmountText(*facts.headroom) + " para su tope de " + groupedAmountText(*facts.ceiling);
    if (facts.monthlyAverage) {
        const int emptyMonths = MonthsInTable - facts.months;
        text += "; puede facturar hasta " + groupedAmountText(*facts.monthlyAverage) + " por mes en " +
                (emptyMonths == 1 ? std::string("el mes vacío") : "los " + monthsText(emptyMonths) + " vacíos");
    }
    return text;
}

std::string categoryText(const CategoryFacts& facts)
{
    if (!facts.scaleFrom) {
        return "no hay escala del monotributo para el " + shownDate(facts.scaleWanted) + ", sin categoría.";
    }
    if (!facts.category) {
        return "sin categoría, porque el total no es un número (hay un importe que no se puede sumar).";
    }
    if (*facts.category == ExcludedCategory) {
        return "supera la categoría K, cuyo tope es " + groupedAmountText(*facts.ceiling) + ".";
    }
    if (facts.servicesCategory == ExcludedCategory) {
        return "categoría " + letter(*facts.category) + " si vende cosas muebles (" + headroomText(facts) +
               "); fuera del régimen si presta servicios, porque supera el tope de la " +
               letter(facts.servicesLimit->category) + ", " + groupedAmountText(facts.servicesLimit->amount) + ".";
    }
    return "categoría " + letter(*facts.category) + "; " + headroomText(facts) + ".";
}

} // namespace

std::string monthYearText(const YearMonth& when)
{
    return std::string(MonthWords.at(when.month - 1)) + " " + std::to_string(when.year);
}

std::string projectionSentence(const CategoryFacts& facts)
{
    if (!facts.projection) {
        return {};
    }
    const CategoryProjection& projection = *facts.projection;
    const PeriodProjection& period = projection.period;
    if (period.monthsAhead.empty()) {
        return "No quedan meses por proyectar: el último con importe, " + monthYearText(period.lastMonth) +
               ", cierra el período.";
    }
    const int paceMonths = std::min(facts.months, 3);
    const int ahead = static_cast<int>(period.monthsAhead.size());
    std::string sentence =
        "Al ritmo de " + (paceMonths == 1 ? std::string("su último mes") : "sus últimos " + monthsText(paceMonths)) +
        " con importe (" + groupedAmountText(period.pace) + " por mes), " +
        (ahead == 1 ? std::string("en el mes que queda") : "en los " + monthsText(ahead) + " que quedan") + " hasta " +
        monthYearText(period.monthsAhead.back().when) + " el total llegaría a " + groupedAmountText(period.total);
    if (projection.category == ExcludedCategory) {
        sentence += ", por encima del tope de la K";
    } else if (projection.category) {
        sentence += ": categoría " + letter(*projection.category);
    }
    if (projection.crosses) {
        sentence += "; pasaría el tope de la " + letter(*facts.category) + " en " + monthYearText(*projection.crosses);
    }
    return sentence + ".";
}

std::string categoryLine(const CategoryFacts& facts, const CalendarDate& today)
{
    if (!facts.hasYear) {
        return {};
    }
    std::string line = std::string("Recategorización de ") +
                       (facts.recategorizationMonth == January ? "enero " : "julio ") +
                       std::to_string(facts.recategorizationYear);
    if (facts.scaleFrom) {
        line += ", escala desde " + shownDate(*facts.scaleFrom);
        if (facts.dueTableMissing) {
            // A table is published a few weeks before it takes effect: before then nothing is missing yet.
            line +=
                today < facts.scaleWanted
                    ? " (la del " + shownDate(facts.scaleWanted) + " todavía no se publicó; mientras tanto se usa esta)"
                    : " (falta la del " + shownDate(facts.scaleWanted) + "; para traerla: Ayuda → Actualizar escala)";
        }
    }
    if (facts.months < MonthsInTable) {
        line += ", total parcial de " + monthsText(facts.months);
    }
    line += ": " + categoryText(facts);
    const std::string projection = projectionSentence(facts);
    return projection.empty() ? line : line + " " + projection;
}

} // namespace sumafac
