# Shared by the installation checks: what an installation holds, under its prefix.

app_id=ir.vordek.PipeWeight
icon_sizes=(32 48 64 96 128)

installed_files() {
    echo bin/pipeweight
    echo "share/applications/$app_id.desktop"
    echo share/doc/pipeweight/copyright
    for size in "${icon_sizes[@]}"; do
        echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
    echo "share/metainfo/$app_id.metainfo.xml"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
