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
    configure_windows "$libraries" -DPIPEWEIGHT_WERROR=ON
    cmake --build --preset windows
}

# configure_windows <libraries> <option...>: configures build-windows/ against the libraries
# scripts/windows-libraries printed. CMake keeps the folder where it once found Qt, so a build
# folder whose Qt lies outside these libraries (an earlier recipe's, cached in a folder of its
# own) is configured anew, or it would go on linking that Qt.
configure_windows() {
    local libraries="$1" qt folders folder fresh=(--fresh)
    shift
    if [ -f build-windows/CMakeCache.txt ]; then
        qt=$(sed -n 's/^Qt6_DIR:[A-Z]*=//p' build-windows/CMakeCache.txt)
        IFS=';' read -ra folders <<<"$libraries"
        for folder in "${folders[@]}"; do
            [[ "$qt" != "$folder"/* ]] || fresh=()
        done
    fi
    cmake --preset windows "${fresh[@]}" -DCMAKE_FIND_ROOT_PATH="$libraries" "$@"
}
