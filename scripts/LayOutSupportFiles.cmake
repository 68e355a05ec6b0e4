# Copies the npm support files into the program directory under the names that
# generated pages reference. Run with -DNODE_MODULES=... -DPROGRAM_DIR=...
if(NOT EXISTS ${NODE_MODULES}/bootstrap/dist/css/bootstrap.css)
  message(FATAL_ERROR "Support files are missing: run scripts/setup (npm ci) first")
endif()
set(BOOTSTRAP ${PROGRAM_DIR}/bootstrap)
file(MAKE_DIRECTORY ${BOOTSTRAP}/css ${BOOTSTRAP}/js ${BOOTSTRAP}/fonts)
file(COPY ${NODE_MODULES}/bootstrap/dist/css/bootstrap.css DESTINATION ${BOOTSTRAP}/css)
file(COPY ${NODE_MODULES}/bootstrap/dist/css/bootstrap.min.css DESTINATION ${BOOTSTRAP}/css)
file(COPY ${NODE_MODULES}/bootstrap/dist/js/bootstrap.min.js DESTINATION ${BOOTSTRAP}/js)
file(COPY ${NODE_MODULES}/bootstrap/dist/fonts/ DESTINATION ${BOOTSTRAP}/fonts)
# The page head names this file; its content is jQuery 1.12.4.
configure_file(${NODE_MODULES}/jquery/dist/jquery.min.js ${BOOTSTRAP}/js/jquery-1.10.2.min.js COPYONLY)
file(COPY ${NODE_MODULES}/ckeditor4/ DESTINATION ${PROGRAM_DIR}/ckeditor
     PATTERN "samples" EXCLUDE PATTERN "*.md" EXCLUDE PATTERN "package.json" EXCLUDE)
file(MAKE_DIRECTORY ${PROGRAM_DIR}/thirdparty/font-awesome)
file(COPY ${NODE_MODULES}/font-awesome/css ${NODE_MODULES}/font-awesome/fonts
     DESTINATION ${PROGRAM_DIR}/thirdparty/font-awesome)
