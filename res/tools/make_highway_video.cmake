# Writes the highway video (cmake -DFFMPEG=... -DOUTPUT=... -P this file): a
# six-second QCIF traffic-camera clip drawn by the filter graph beside this
# file, H.264 baseline in a 3GP container as phones play it.
get_filename_component(out_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
execute_process(
  COMMAND "${FFMPEG}" -nostdin -loglevel error -y
          -filter_complex_script "${CMAKE_CURRENT_LIST_DIR}/highway_video.filter"
          -c:v libx264 -profile:v baseline -pix_fmt yuv420p -crf 30 -threads 1
          -bitexact -f 3gp "${OUTPUT}.part"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${OUTPUT}.part")
  message(FATAL_ERROR "ffmpeg could not make the highway video")
endif()
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
