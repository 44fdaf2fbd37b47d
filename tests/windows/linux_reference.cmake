# Runs the Linux build's sumafac-cli on the steps of cli_end_to_end_test.cpp and keeps what it prints and saves:
#   cmake -DCLI=sumafac-cli -DARCHIVES=folder -DSTEPS=a.zip,b.zip -DOUT=folder -P linux_reference.cmake
# guardado.*: the drops, --print json and --save; cargado.*: --load of that saved file, --print json and --save.
cmake_minimum_required(VERSION 3.25)
set(saved 20123456786_2023_2024.sa1)

function(run_cli output folder)
    execute_process(COMMAND ${CLI} --folder ${folder} ${ARGN} OUTPUT_FILE ${output} ERROR_VARIABLE errors
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
        message(FATAL_ERROR "${CLI} ${ARGN}: estado ${status}\n${errors}")
    endif()
    if(NOT EXISTS ${folder}/${saved})
        message(FATAL_ERROR "${CLI} ${ARGN}: no guardo ${saved}")
    endif()
endfunction()

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/importado ${OUT}/cargado)
string(REPLACE "," ";" steps "${STEPS}")
list(TRANSFORM steps PREPEND ${ARCHIVES}/)

run_cli(${OUT}/guardado.json ${OUT}/importado ${steps} --print json --save)
file(COPY_FILE ${OUT}/importado/${saved} ${OUT}/guardado.sa1)
run_cli(${OUT}/cargado.json ${OUT}/cargado --load ${OUT}/guardado.sa1 --print json --save)
file(COPY_FILE ${OUT}/cargado/${saved} ${OUT}/cargado.sa1)
