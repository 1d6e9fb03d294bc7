# The files the quiz reads from its program folder, relative to it; each is
# shipped from assets/ under the same relative path. The program names the
# same files in board/rules/ProgramFiles.h, and a test holds the two together.
set(ORRINVALE_PROGRAM_FILES
  usa_states.txt
  HAND-M.CUR
  sounds/correct.wma
  sounds/wrong.wma
  sounds/complete.wma
)
# The continents' maps, by the names `--map` takes, from the list the map
# generator writes (assets/maps/maps.list: id, a tab, title): each has its
# table of names beside the program, and its picture and description
# compiled in from assets/maps. ORRINVALE_WORLD_MAP_ENTRIES holds them as the
# program's catalogue takes them.
set(ORRINVALE_MAP_LIST ${CMAKE_SOURCE_DIR}/assets/maps/maps.list)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ORRINVALE_MAP_LIST})
file(STRINGS ${ORRINVALE_MAP_LIST} map_lines)
set(ORRINVALE_WORLD_MAPS)
set(ORRINVALE_WORLD_MAP_ENTRIES "")
foreach(line IN LISTS map_lines)
  string(REPLACE "\t" ";" fields "${line}")
  list(GET fields 0 map)
  list(GET fields 1 title)
  list(APPEND ORRINVALE_WORLD_MAPS ${map})
  list(APPEND ORRINVALE_PROGRAM_FILES maps/${map}.txt)
  string(APPEND ORRINVALE_WORLD_MAP_ENTRIES "    {\"${map}\", \"${title}\"},\n")
endforeach()
# The sound player's plugin and the clip decoder it starts, in this folder of
# the program folder.
set(ORRINVALE_PLUGIN_FOLDER plugins)
set(ORRINVALE_AUDIO_PLUGIN orrinvale_audio)
set(ORRINVALE_CLIP_DECODER orrinvale-decoder)

set(ORRINVALE_PROGRAM_DIR ${CMAKE_BINARY_DIR}/bin)

# The quiz's name on the desktop: its desktop entry and software-centre entry
# are assets/<id>.desktop and assets/<id>.metainfo.xml.
set(ORRINVALE_DESKTOP_ID example.orrinvale.Orrinvale)
