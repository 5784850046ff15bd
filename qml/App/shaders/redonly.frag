#version 440
// Night: the window drawn in reds alone. Each pixel keeps its brightest channel as red, so
// that reds stay as bright as they were and anything grey or white dims to a red of its own
// brightness; green and blue go dark.
layout(location = 0) in vec2 qt_TexCoord0;
layout(location = 0) out vec4 fragColor;
layout(std140, binding = 0) uniform buf {
    mat4 qt_Matrix;
    float qt_Opacity;
};
layout(binding = 1) uniform sampler2D source;

void main() {
    vec4 c = texture(source, qt_TexCoord0);
    fragColor = vec4(max(c.r, max(c.g, c.b)), 0.0, 0.0, c.a) * qt_Opacity;
}
