# Creates the reference database from schema.sql and seed.sql, only when it does not exist yet,
# so that an operator's edits survive every rebuild. Delete the file to start again from the scripts.
# Arguments: -DDB=<database file> -DSCHEMA=<schema.sql> -DSEED=<seed.sql>
if(EXISTS "${DB}")
  return()
endif()
find_program(SQLITE3 sqlite3)
if(NOT SQLITE3)
  message(FATAL_ERROR "sqlite3 is needed to create ${DB} (scripts/setup installs it)")
endif()
set(tmp "${DB}.part")
file(REMOVE "${tmp}")
foreach(script IN ITEMS "${SCHEMA}" "${SEED}")
  execute_process(COMMAND "${SQLITE3}" -bail "${tmp}" INPUT_FILE "${script}"
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    file(REMOVE "${tmp}")
    message(FATAL_ERROR "sqlite3 failed on ${script}: ${err}")
  endif()
endforeach()
file(RENAME "${tmp}" "${DB}")
message(STATUS "Created ${DB}")
