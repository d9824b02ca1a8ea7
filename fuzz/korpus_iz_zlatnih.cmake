# Builds every golden batch input into the initial corpus of its mode's fuzz target and of the
# stream's. Run by the build: cmake -DPRS=... -DZLATNI=... -DKORPUS=... -P this file.
file(GLOB slucajevi LIST_DIRECTORIES true ${ZLATNI}/*)
foreach(slucaj ${slucajevi})
    if(NOT EXISTS ${slucaj}/ulaz.txt)
        continue()
    endif()
    get_filename_component(ime ${slucaj} NAME)
    file(STRINGS ${slucaj}/rezim.txt rezim LIMIT_COUNT 1)
    string(TOLOWER "${rezim}" cilj)
    file(MAKE_DIRECTORY ${KORPUS}/${cilj} ${KORPUS}/tok)
    execute_process(COMMAND ${PRS} build ${slucaj}/ulaz.txt ${KORPUS}/${cilj}/zlatni_${ime}.prs
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "nosivometrik-prs build failed for ${slucaj}/ulaz.txt")
    endif()
    file(COPY_FILE ${KORPUS}/${cilj}/zlatni_${ime}.prs ${KORPUS}/tok/zlatni_${ime}.prs)
endforeach()
