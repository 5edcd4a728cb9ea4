# The user guide: Markdown pages in docs/guide, pictures from the program's
# own drawings and screenshots from docs/images. The desktop program builds
# them in as resources; the install puts them in the documentation folder.
set(VENTORA_GUIDE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(VENTORA_GUIDE_PAGES
    index.md
    overview.md
    parameters.md
    limits.md
    geometry.md
    editing.md
    desktop.md
    results.md
    messages.md
    command-line.md
    surroundings.md
    worked-example.md
    python.md
    browser.md
    compare.md
    model-limits.md
    implausible-cp.md
    files.md
    installing.md)
set(VENTORA_DRAWINGS_DIR ${PROJECT_SOURCE_DIR}/src/ui/pictures/drawings)
set(VENTORA_GUIDE_PICTURES
    bldg_orientation.svg
    building_dimensions.svg
    compare_block.svg
    compare_cube.svg
    cp_staircase.svg
    element_on_roof.svg
    element_on_wall.svg
    implausible_cp.svg
    troubled_region_1.svg
    troubled_region_2.svg
    troubled_region_3.svg
    facade_numbers.svg
    plan_area_density.svg
    roof_labelling.svg
    roof_types.svg
    surrounding_height.svg
    velocity_profile.svg
    wind_direction.svg)

set(VENTORA_GUIDE_IMAGES_DIR ${PROJECT_SOURCE_DIR}/docs/images)
set(VENTORA_GUIDE_IMAGES
    cp-direction-line.png
    cp-direction-polar.png
    cpmap-sketch.png
    element-out-of-facade-box.png
    facade-editor-size.png
    main-window-stale.png
    model-dialog.png
    parametric-pad.png
    range-message.png
    roof-ridge.png
    site-map-dialog.png
    sweep-dialog-progress.png
    web-surroundings.png
    worked-example-cpmap.png
    worked-example-site.png)

list(TRANSFORM VENTORA_GUIDE_PAGES PREPEND ${VENTORA_GUIDE_DIR}/ OUTPUT_VARIABLE _guide_pages)
list(TRANSFORM VENTORA_GUIDE_PICTURES PREPEND ${VENTORA_DRAWINGS_DIR}/ OUTPUT_VARIABLE
                                                                        _guide_pictures)
install(FILES ${_guide_pages} DESTINATION ${CMAKE_INSTALL_DOCDIR}/guide)
list(TRANSFORM VENTORA_GUIDE_IMAGES PREPEND ${VENTORA_GUIDE_IMAGES_DIR}/ OUTPUT_VARIABLE
                                                                      _guide_images)
install(FILES ${_guide_pictures} DESTINATION ${CMAKE_INSTALL_DOCDIR}/guide/pictures)
# The pages link them as ../images/NAME.
install(FILES ${_guide_images} DESTINATION ${CMAKE_INSTALL_DOCDIR}/images)
