// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale/scale_in_use.h"

#include "core/folder_names.h"

namespace sumafac {

MonotributoScale mergeScales(MonotributoScale base, const MonotributoScale& added)
{
    for (const auto& [date, table] : added) {
        base.insert_or_assign(date, table);
    }
    return base;
}

const MonotributoScale& shippedScale()
{
    static const MonotributoScale scale = readScale(shippedScaleText()).scale;
    return scale;
}

ScaleInUse scaleForProgramFolder(const platform::Files& files, const std::string& programFolder)
{
    const std::string path = pathAnyCase(files, programFolder, ScaleFileName);
    if (path.empty()) {
        return {shippedScale(), {}};
    }
    const ScaleReading reading = readScaleFile(files, path);
    if (!reading.error.empty()) {
        return {shippedScale(), "ERROR, la escala del monotributo " + path + " no se usa, " + reading.error +
                                    ". Se usan las escalas que trae el programa."};
    }
    return {mergeScales(shippedScale(), reading.scale), {}};
}

ScaleInUse scaleFromFile(const platform::Files& files, const std::string& path)
{
    const ScaleReading reading = readScaleFile(files, path);
    if (!reading.error.empty()) {
        return {{}, "ERROR, la escala del monotributo " + path + " no se puede usar, " + reading.error + "."};
    }
    return {reading.scale, {}};
}

} // namespace sumafac
