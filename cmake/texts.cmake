# Language texts: the tables under resources/texts/ are turned into one
# generated source of lumtar_core at build time, so the core needs no files
# (and no Qt) at run time. A fault in a table file fails the build with its
# file and line.
set(LUMTAR_TEXT_TABLE_FILES
    ${PROJECT_SOURCE_DIR}/resources/texts/text_table.tsv
    ${PROJECT_SOURCE_DIR}/resources/texts/caption_pairs.tsv
    ${PROJECT_SOURCE_DIR}/resources/texts/title_table.tsv
    ${PROJECT_SOURCE_DIR}/resources/texts/phrase_table.tsv
    ${PROJECT_SOURCE_DIR}/resources/texts/message_table.tsv
    ${PROJECT_SOURCE_DIR}/resources/texts/months.tsv)

add_executable(lumtar_generate_texts
               ${PROJECT_SOURCE_DIR}/tools/generate_texts.cpp
               ${PROJECT_SOURCE_DIR}/src/texts/text_file.cpp)
target_include_directories(lumtar_generate_texts PRIVATE
                           ${PROJECT_SOURCE_DIR}/src)

set(LUMTAR_TEXTS_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/generated/texts_data.cpp)
add_custom_command(
  OUTPUT ${LUMTAR_TEXTS_SOURCE}
  COMMAND lumtar_generate_texts ${LUMTAR_TEXTS_SOURCE}
          ${LUMTAR_TEXT_TABLE_FILES}
  DEPENDS lumtar_generate_texts ${LUMTAR_TEXT_TABLE_FILES}
  COMMENT "Generating the language text tables"
  VERBATIM)
