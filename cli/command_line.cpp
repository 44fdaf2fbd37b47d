// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include "taxpayer/taxpayer_data.h"

#include <algorithm>

namespace sumafac::cli {

const char* const Usage = R"(uso: sumafac-cli [--folder CARPETA] [--scale ARCHIVO] [--yes] PASO...
     sumafac-cli --cartera CARPETA [--scale ARCHIVO] [--print text|csv|json]
     sumafac-cli [--folder CARPETA] --importar-escala ARCHIVO|URL
     sumafac-cli --help | --version
Pasos, en el orden dado:
  --drop ARCHIVO | ARCHIVO   importa ARCHIVO como si se lo arrastrara a la ventana
  --roll                     boton "Copiar"
  --clear                    boton "Borrar"
  --save                     Archivo > Guardar
  --load ARCHIVO             Archivo > Cargar, eligiendo ARCHIVO
  --print text|csv|json      muestra el estado de la ventana en la salida estandar, con la categoria del
                             monotributo de cada tabla
Datos del contribuyente, que reemplazan en esta corrida a los de contribuyentes.csv:
  --actividad servicios|venta
  --superficie M2            superficie afectada
  --poblacion-chica          la localidad tiene menos de 40.000 habitantes (la superficie no cuenta)
  --energia KWH              energia electrica consumida en los ultimos doce meses
  --alquileres IMPORTE       alquileres devengados en los ultimos doce meses
  --precio-maximo IMPORTE    el mayor precio unitario vendido
  --inicio AAAA-MM           el mes en que empezo la actividad
  --adherentes N             los adherentes a la obra social
  --jubilado, --otro-regimen, --solo-locador
                             jubilado; aporta a otro regimen previsional; inscripto solo como locador de
                             hasta dos inmuebles
Opciones:
  --folder CARPETA           carpeta de trabajo y de archivos guardados (por defecto, la del programa)
  --scale ARCHIVO            usa solo las tablas de ARCHIVO como escala del monotributo, en lugar de las que
                             trae el programa y las de escala-monotributo.csv en la carpeta del programa
  --yes                      responde Si a "El archivo existe, sobrescribir?" (sin ella, No)
  --cartera CARPETA          la cartera de clientes de una carpeta de descargas (y sus subcarpetas): la
                             categoria de cada CUIT; sale 0 si se leyo todo, 1 si algun archivo no, 2 si no
                             se pudo leer la carpeta
  --importar-escala ARCHIVO|URL
                             agrega a escala-monotributo.csv de la carpeta del programa la escala de la
                             pagina de categorias de ARCA, bajada de URL (https) o guardada por un
                             navegador en ARCHIVO; sale 0 si se agrego o ya estaba, 1 si la pagina no
                             trae una escala que se pueda usar o no se pudo guardar, 2 si no se pudo leer
                             ni bajar
  --help                     muestra este texto
  --version                  muestra la version del programa
)";

namespace {

// The column of contribuyentes.csv a flag of the taxpayer's data stands for ("--poblacion-chica" is
// "poblacion_chica"); none for another flag. Name and category stay in the file.
std::optional<std::string> taxpayerColumnOfFlag(const std::string& arg)
{
    std::string column = arg.substr(2);
    std::replace(column.begin(), column.end(), '-', '_');
    const bool known = std::find(TaxpayerColumns.begin() + 2, TaxpayerColumns.end(), column) != TaxpayerColumns.end();
    return known ? std::optional<std::string>(column) : std::nullopt;
}

} // namespace

ParseResult parseCommandLine(const std::vector<std::string>& args)
{
    CommandLine line;
    bool filesOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto nextValue = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                return std::nullopt;
            }
            return args[++i];
        };
        if (filesOnly || arg.empty() || !arg.starts_with("--")) {
            line.steps.push_back({Step::Kind::Drop, arg});
        } else if (arg == "--") {
            filesOnly = true;
        } else if (arg == "--help" || arg == "--version") {
            // Asked for alone or among steps, it is all that is done.
            CommandLine request;
            request.request = arg == "--help" ? CommandLine::Request::Help : CommandLine::Request::Version;
            return {request, {}};
        } else if (arg == "--yes") {
            line.yes = true;
        } else if (const auto column = taxpayerColumnOfFlag(arg)) {
            std::optional<std::string> value = "si";
            if (!isYesNoColumn(*column)) {
                value = nextValue();
                if (!value) {
                    return {std::nullopt, "falta el valor de " + arg};
                }
            }
            TaxpayerData probe;
            if (const std::string problem = setTaxpayerField(probe, *column, *value); !problem.empty()) {
                return {std::nullopt, arg + ": " + problem};
            }
            line.taxpayerFields.emplace_back(*column, *value);
        } else if (arg == "--roll") {
            line.steps.push_back({Step::Kind::Roll, {}});
        } else if (arg == "--clear") {
            line.steps.push_back({Step::Kind::Clear, {}});
        } else if (arg == "--save") {
            line.steps.push_back({Step::Kind::Save, {}});
        } else if (arg == "--folder" || arg == "--scale" || arg == "--drop" || arg == "--load" || arg == "--print" ||
                   arg == "--cartera" || arg == "--importar-escala") {
            const auto argument = nextValue();
            if (!argument) {
                return {std::nullopt, "falta el valor de " + arg};
            }
            if (arg == "--folder") {
                line.folder = *argument;
            } else if (arg == "--cartera") {
                line.portfolio = *argument;
            } else if (arg == "--importar-escala") {
                line.scaleImport = *argument;
            } else if (arg == "--scale") {
                line.scale = *argument;
            } else if (arg == "--drop") {
                line.steps.push_back({Step::Kind::Drop, *argument});
            } else if (arg == "--load") {
                line.steps.push_back({Step::Kind::Load, *argument});
            } else if (*argument == "text" || *argument == "csv" || *argument == "json") {
                line.steps.push_back({Step::Kind::Print, *argument});
            } else {
                return {std::nullopt, "formato desconocido para --print: " + *argument};
            }
        } else {
            return {std::nullopt, "opcion desconocida: " + arg};
        }
    }
    if (line.scaleImport) {
        // The scale is updated on its own: nothing else runs with it.
        if (!line.steps.empty() || line.portfolio || line.scale) {
            return {std::nullopt, "con --importar-escala solo se admite --folder"};
        }
        return {line, {}};
    }
    if (line.portfolio && !line.taxpayerFields.empty()) {
        return {std::nullopt, "con --cartera los datos de cada contribuyente salen de cartera.csv"};
    }
    if (line.portfolio) {
        // A portfolio is read, not built up on a window: it takes only printouts, text when none is named.
        const bool onlyPrints = std::all_of(line.steps.begin(), line.steps.end(),
                                            [](const Step& step) { return step.kind == Step::Kind::Print; });
        if (!onlyPrints) {
            return {std::nullopt, "con --cartera solo se admite --print"};
        }
        if (line.steps.empty()) {
            line.steps.push_back({Step::Kind::Print, "text"});
        }
    }
    if (line.steps.empty()) {
        return {std::nullopt, "no se indico ningun paso"};
    }
    return {line, {}};
}

} // namespace sumafac::cli
