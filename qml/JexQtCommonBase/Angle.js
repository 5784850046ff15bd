.pragma library

// Conversions between the radians the native side uses and the degrees people read.
function radToDeg(rad) {
    return rad * 180 / Math.PI
}

function degToRad(deg) {
    return deg * Math.PI / 180
}
