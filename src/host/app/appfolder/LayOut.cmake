# Lays out the host's application folder: the folders the suite expects beside the executable and
# the default theme file. A theme file that is already there is the user's and is kept.
foreach(folder Data DLLs/GlobalForms EXCEL WORD html)
    file(MAKE_DIRECTORY "${APP_FOLDER}/${folder}")
endforeach()
if(NOT EXISTS "${APP_FOLDER}/Data/Options.ini")
    file(COPY "${DEFAULTS}/Data/Options.ini" DESTINATION "${APP_FOLDER}/Data")
endif()
