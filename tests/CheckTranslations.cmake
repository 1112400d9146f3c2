# Fails when a translation is behind the code: lupdate, run on copies of the
# .ts files the way the update_translations target runs it, must change
# nothing and warn of nothing, and every text must have its translation.
#
#   cmake -DLUPDATE=<lupdate> -DSETTINGS=<file> -DWORK=<scratch folder> -P CheckTranslations.cmake
#
# SETTINGS sets translation_sources, translation_files, lupdate_options,
# plurals_file (English's, of the plural texts alone), plurals_options and
# include_dir.
include(${SETTINGS})
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

set(problems "")
foreach(ts_file IN LISTS translation_files plurals_file)
    set(options ${lupdate_options})
    if(ts_file STREQUAL plurals_file)
        set(options ${plurals_options})
    endif()
    get_filename_component(name ${ts_file} NAME)
    set(copy ${WORK}/${name})
    file(COPY_FILE ${ts_file} ${copy})
    execute_process(
        COMMAND ${LUPDATE} ${translation_sources} -I ${include_dir} ${options} -ts ${copy}
        RESULT_VARIABLE status
        OUTPUT_QUIET
        ERROR_VARIABLE warnings)
    if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
        string(APPEND problems "lupdate failed or warned on ${name}:\n${warnings}\n")
    endif()
    file(READ ${ts_file} kept)
    file(READ ${copy} updated)
    if(NOT kept STREQUAL updated)
        string(APPEND problems "${name} is behind the code: build the update_translations target.\n")
    endif()
    if(updated MATCHES "type=\"(unfinished|vanished|obsolete)\"")
        string(APPEND problems "${name} has texts without a finished translation.\n")
    endif()
endforeach()

if(NOT problems STREQUAL "")
    message(FATAL_ERROR "${problems}")
endif()
