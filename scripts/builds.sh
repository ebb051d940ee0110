# The builds as the test command makes them, for the scripts that run their tests: sourced.

# build_linux default|asan: build/ with the tests, benchmarks and the asset generator, or
# build-asan/ with the tests under AddressSanitizer and UndefinedBehaviorSanitizer; warnings
# are errors in both.
build_linux() {
    case "$1" in
        default)
            cmake --preset default -DPIPEWEIGHT_WERROR=ON -DBUILD_TESTING=ON \
                -DPIPEWEIGHT_BENCH=ON -DPIPEWEIGHT_ASSETGEN=ON
            ;;
        asan) cmake --preset asan -DPIPEWEIGHT_WERROR=ON ;;
    esac
    cmake --build --preset "$1"
}

# build-windows/, cross-built against the Windows libraries (built once into their cache).
build_windows() {
    local libraries
    scripts/deps windows
    libraries=$(scripts/windows-libraries)
    cmake --preset windows -DCMAKE_FIND_ROOT_PATH="$libraries" -DPIPEWEIGHT_WERROR=ON
    cmake --build --preset windows
}
