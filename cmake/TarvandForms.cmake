# The layers whose windows are laid out in src/forms. tarvand_form_layer(target FORMS a.ui ...)
# adds the named layout files to the target, runs the meta-object and layout compilers on it, and
# hands the headers generated from the layouts to the target's users as well: a form class that
# inherits its generated layout class is included by code outside its own layer.
function(tarvand_form_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "FORMS")
    if(layer_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "tarvand_form_layer(${target}): unknown arguments ${layer_UNPARSED_ARGUMENTS}")
    endif()
    set(forms_dir ${PROJECT_SOURCE_DIR}/src/forms)
    list(TRANSFORM layer_FORMS PREPEND ${forms_dir}/)
    target_sources(${target} PRIVATE ${layer_FORMS})
    set_target_properties(${target} PROPERTIES
        AUTOMOC ON
        AUTOUIC ON
        AUTOUIC_SEARCH_PATHS ${forms_dir})
    # The generated headers go where the target's AUTOGEN_BUILD_DIR says; CMake leaves the property
    # unset for its default folder, which is made explicit here so that users can be pointed at it.
    get_target_property(autogen_dir ${target} AUTOGEN_BUILD_DIR)
    if(NOT autogen_dir)
        set_property(TARGET ${target} PROPERTY AUTOGEN_BUILD_DIR ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen)
    endif()
    target_include_directories(${target} PUBLIC $<TARGET_PROPERTY:${target},AUTOGEN_BUILD_DIR>/include)
endfunction()
