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

std::string peso(Cents amount)
{
    return "$ " + groupedAmountText(amount);
}

std::string feeText(const MonthlyFee& fee)
{
    const std::string others = "SIPA " + peso(fee.pension) + ", obra social " + peso(fee.healthCover);
    // Without the activity both fees are told, unless they are one.
    if (!fee.activity && *fee.totalGoods != fee.total) {
        const Cents taxGoods = *fee.totalGoods - fee.pension - fee.healthCover;
        return "cuota mensual " + peso(fee.total) + " si presta servicios o " + peso(*fee.totalGoods) +
               " si vende cosas muebles (impuesto integrado " + peso(fee.tax) + " o " + peso(taxGoods) + ", " + others +
               ")";
    }
    return "cuota mensual " + peso(fee.total) + " (impuesto integrado " + peso(fee.tax) + ", " + others + ")";
}

std::string exclusionText(const Recategorization& whole)
{
    const std::int64_t value = whole.excludedValue;
    const std::int64_t limit = whole.excludedLimit;
    switch (*whole.excludedBy) {
    case Parameter::Area:
        return "fuera del régimen por superficie: " + quantityText(value) + " m2 superan los " + quantityText(limit) +
               " m2 de la K.";
    case Parameter::Rent:
        return "fuera del régimen por alquileres: " + groupedAmountText(value) + " superan el tope de la K, " +
               groupedAmountText(limit) + ".";
    case Parameter::UnitPrice:
        return "fuera del régimen por precio unitario: " + groupedAmountText(value) + " supera el máximo de " +
               groupedAmountText(limit) + " para la venta de cosas muebles.";
    case Parameter::Income:
    case Parameter::Energy:
        break;
    }
    return "fuera del régimen por ingresos: superan el tope de la K, " + groupedAmountText(limit) + ".";
}

std::string allowanceText(const MonthlyAllowance& allowance)
{
    return "puede facturar hasta " + peso(allowance.perMonth) + " por mes en " +
           (allowance.monthsLeft == 1 ? std::string("el mes que queda")
                                      : "los " + monthsText(allowance.monthsLeft) + " que quedan") +
           " sin pasar de la categoría " + letter(allowance.category);
}

// Against a table that brings every column: each parameter, the fee and what may still be invoiced.
std::string wholeCategoryText(const CategoryFacts& facts)
{
    const Recategorization& whole = *facts.recategorization;
    std::string text;
    if (whole.activityMonths) {
        if (!whole.category) {
            return "sin recategorización: menos de seis meses de actividad (" + monthsText(*whole.activityMonths) +
                   " en el período).";
        }
        text = "con " + monthsText(*whole.activityMonths) + " de actividad, ingresos anualizados " +
               groupedAmountText(*whole.annualizedTotal) + ": ";
    }
    if (whole.excludedBy) {
        return text + exclusionText(whole);
    }
    text += "categoría " + letter(*whole.category);
    if (whole.deciding != Parameter::Income) {
        text += std::string(" por ") + parameterName(*whole.deciding) + " (por ingresos, " +
                letter(*whole.byParameter[0]) + ")";
    }
    if (whole.fee) {
        text += "; " + feeText(*whole.fee);
    }
    text += "; faltan " + groupedAmountText(*facts.headroom) + " para su tope de " + groupedAmountText(*facts.ceiling);
    if (whole.allowance) {
        text += "; " + allowanceText(*whole.allowance);
    }
    return text + ".";
}

std::string categoryText(const CategoryFacts& facts)
{
    if (facts.recategorization) {
        return wholeCategoryText(facts);
    }
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

std::string feeCellText(const CategoryFacts& facts, std::string (*amount)(Cents))
{
    if (!facts.recategorization || !facts.recategorization->fee) {
        return {};
    }
    const MonthlyFee& fee = *facts.recategorization->fee;
    return amount(fee.total) +
           (fee.totalGoods && *fee.totalGoods != fee.total ? " / " + amount(*fee.totalGoods) : std::string());
}

std::string categorySummary(const CategoryFacts& facts, const CalendarDate& today)
{
    if (!facts.hasYear) {
        return {};
    }
    std::string summary = std::string("Recategorización de ") +
                          (facts.recategorizationMonth == January ? "enero " : "julio ") +
                          std::to_string(facts.recategorizationYear) + ": ";
    const auto& whole = facts.recategorization;
    if (!facts.scaleFrom) {
        summary += "no hay escala para el " + shownDate(facts.scaleWanted);
    } else if (whole && !whole->category) {
        summary += "sin recategorización (menos de seis meses de actividad)";
    } else if (!facts.category) {
        summary += "sin categoría, porque el total no es un número";
    } else if (const auto cause = exclusionCause(facts)) {
        summary += std::string("fuera del régimen por ") + parameterName(*cause);
    } else {
        summary += "categoría " + letter(*facts.category);
        if (whole && whole->deciding != Parameter::Income) {
            summary += std::string(" por ") + parameterName(*whole->deciding);
        }
        if (facts.servicesCategory == ExcludedCategory) {
            summary += " si vende cosas muebles; fuera del régimen si presta servicios";
        }
        if (whole && whole->fee) {
            summary += " · cuota $ " + feeCellText(facts, groupedAmountText);
        }
        if (whole && whole->allowance) {
            summary += " · puede facturar " + peso(whole->allowance->perMonth) + " por mes";
        } else if (!whole && facts.headroom) {
            summary += " · faltan " + groupedAmountText(*facts.headroom) + " para su tope";
        }
    }
    if (facts.dueTableMissing && !(today < facts.scaleWanted)) {
        summary += " · falta la escala del " + shownDate(facts.scaleWanted);
    }
    return summary;
}

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
    if (facts.scaleFrom && facts.total && !facts.recategorization) {
        line += " La escala del " + shownDate(*facts.scaleFrom) + " no trae los demás parámetros ni la cuota.";
    }
    const std::string projection = projectionSentence(facts);
    return projection.empty() ? line : line + " " + projection;
}

} // namespace sumafac
