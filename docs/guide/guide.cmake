# The user guide: Markdown pages in docs/guide, pictures from the program's
# own drawings. The desktop program builds them in as resources; the install
# puts them in the documentation folder.
set(VENTORA_GUIDE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(VENTORA_GUIDE_PAGES
    index.md
    overview.md
    parameters.md
    limits.md
    geometry.md
    editing.md
    results.md
    messages.md
    command-line.md
    surroundings.md
    model-limits.md
    implausible-cp.md
    browser.md
    compare.md)
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
    facade_numbers.svg
    plan_area_density.svg
    roof_labelling.svg
    roof_types.svg
    surrounding_height.svg
    velocity_profile.svg
    wind_direction.svg)

list(TRANSFORM VENTORA_GUIDE_PAGES PREPEND ${VENTORA_GUIDE_DIR}/ OUTPUT_VARIABLE _guide_pages)
list(TRANSFORM VENTORA_GUIDE_PICTURES PREPEND ${VENTORA_DRAWINGS_DIR}/ OUTPUT_VARIABLE
                                                                        _guide_pictures)
install(FILES ${_guide_pages} DESTINATION ${CMAKE_INSTALL_DOCDIR}/guide)
install(FILES ${_guide_pictures} DESTINATION ${CMAKE_INSTALL_DOCDIR}/guide/pictures)
