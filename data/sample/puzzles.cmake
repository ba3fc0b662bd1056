# Writes the sample collection: cmake -DQMAZE=... -DOUTPUT=... -DWORDS=DIR -P puzzles.cmake
# Each puzzle() line is one "qmaze generate" run with a fixed seed. A run that
# fails, or that leaves a word out of its grid (qmaze says so on standard
# error), stops the build.
set(partial ${OUTPUT}.part)
file(REMOVE ${partial})

function(puzzle words title category)
  execute_process(
    COMMAND ${QMAZE} generate --collection ${partial} --words ${WORDS}/${words} --title ${title}
            --category ${category} ${ARGN}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR err MATCHES "qmaze generate:")
    file(REMOVE ${partial})
    message(FATAL_ERROR "Sample puzzle \"${title}\" failed (${status}):\n${err}")
  endif()
endfunction()

puzzle(farm-animals.txt "Farm Animals" "Animals"
       --shape 12x12 --directions right,down,down-right --attempts 200 --seed 1101)
puzzle(ocean-life.txt "Ocean Life" "Animals"
       --shape-name Fish --attempts 200 --seed 1102)
puzzle(african-safari.txt "African Safari" "Animals"
       --shape 15x15 --attempts 300 --seed 1103)
puzzle(world-capitals.txt "World Capitals" "Geography"
       --shape 15x15 --attempts 300 --seed 2201)
puzzle(continents-oceans.txt "Continents and Oceans" "Geography"
       --shape 15x15 --directions right,down,down-right,up-right --attempts 200 --seed 2202)
puzzle(landforms.txt "Landforms" "Geography"
       --shape 15x15 --attempts 300 --seed 2203)
puzzle(solar-system.txt "The Solar System" "Science"
       --shape-name Star --attempts 300 --seed 3301)
puzzle(weather.txt "Weather Words" "Science"
       --shape 14x14 --attempts 300 --seed 3302)
puzzle(human-body.txt "The Human Body" "Science"
       --shape 13x13 --attempts 300 --seed 3303)
puzzle(winter-holidays.txt "Winter Holidays" "Holidays"
       --shape-name Tree --attempts 300 --seed 4401)
puzzle(halloween.txt "Halloween Night" "Holidays"
       --shape 12x12 --attempts 300 --seed 4402 --phrase HappyHalloweenEveryoneWearYourCostumeCarveAPumpkinAndShareTheTreatsWithYourFriends)
puzzle(thanksgiving.txt "Thanksgiving Feast" "Holidays"
       --shape 15x15 --attempts 300 --seed 4403)

file(RENAME ${partial} ${OUTPUT})
