# Packs the release: ${OUT}/${NAME}.zip holding Zorvel.exe (${EXE}, the very file the build
# made), README.txt (${README}), LICENSE (${LICENSE}) and SHA256SUMS.
# cmake -DEXE=... -DREADME=... -DLICENSE=... -DOUT=... -DNAME=... -P Dist.cmake
set(stage ${OUT}/${NAME})
file(REMOVE_RECURSE ${stage} ${OUT}/${NAME}.zip)
file(MAKE_DIRECTORY ${stage})
configure_file(${EXE} ${stage}/Zorvel.exe COPYONLY)
configure_file(${README} ${stage}/README.txt COPYONLY)
configure_file(${LICENSE} ${stage}/LICENSE COPYONLY)

# The format sha256sum -c reads.
set(sums "")
foreach(name Zorvel.exe README.txt LICENSE)
  file(SHA256 ${stage}/${name} hash)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${stage}/SHA256SUMS "${sums}")

execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT}/${NAME}.zip --format=zip
          Zorvel.exe README.txt LICENSE SHA256SUMS
  WORKING_DIRECTORY ${stage}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "dist: could not write ${OUT}/${NAME}.zip")
endif()
file(REMOVE_RECURSE ${stage})
message(STATUS "dist: ${OUT}/${NAME}.zip")
