# Compiler settings every target of the project links against.
add_library(physcalc_options INTERFACE)
add_library(PhysCalc::options ALIAS physcalc_options)

target_compile_features(physcalc_options INTERFACE cxx_std_20)

# Every printed digit depends on each float operation being rounded on its own:
# no fused multiply-add, no fast-math.
target_compile_options(physcalc_options INTERFACE
    -ffp-contract=off
    -fno-fast-math
    -Wall -Wextra -Wpedantic
    -Wzero-as-null-pointer-constant
    -Wshadow
    -Wconversion
    -Wno-sign-conversion
    $<$<BOOL:${PHYSCALC_WERROR}>:-Werror>)

# The shipped build is optimised for size: a smaller program maps fewer pages
# of its own code at start. Optimising for size leaves every float and double
# operation, and its rounding, as it is.
target_compile_options(physcalc_options INTERFACE $<$<CONFIG:Release>:-Os>)

if(PHYSCALC_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(physcalc_options INTERFACE ${sanitizers})
    target_link_options(physcalc_options INTERFACE ${sanitizers})
endif()

# Options for targets that use Qt: no implicit conversions from char strings,
# no narrowing in signal/slot connections.
add_library(physcalc_qt_options INTERFACE)
target_link_libraries(physcalc_qt_options INTERFACE physcalc_options)
target_compile_definitions(physcalc_qt_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_KEYWORDS)

# moc runs only for the targets that use Qt; the forms are compiled by
# qt_wrap_ui where they live.
function(physcalc_use_qt_generators target)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
endfunction()
