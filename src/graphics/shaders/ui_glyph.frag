// The glyph cache holds coverage in its red channel.
in vec4 fcolor;
in vec2 fuv;

uniform sampler2D tex;

void main() {
    vec4 result = vec4(1.0, 1.0, 1.0, texture(tex, fuv).r) * fcolor;
#ifdef GAMMA
    gl_FragColor = vec4(pow(result.rgb, vec3(1.0 / 2.2)), result.a);
#else
    gl_FragColor = result;
#endif
}
