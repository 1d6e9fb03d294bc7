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
# The continents' maps, by the names `--map` takes (board/rules/MapCatalogue.h
# lists the same): each has its table of names beside the program, and its
# picture and description compiled in from assets/maps.
set(ORRINVALE_WORLD_MAPS africa asia europe north-america oceania south-america)
foreach(map IN LISTS ORRINVALE_WORLD_MAPS)
  list(APPEND ORRINVALE_PROGRAM_FILES maps/${map}.txt)
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
