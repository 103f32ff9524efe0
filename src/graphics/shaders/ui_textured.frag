in vec3 fcolor;
in vec2 fuv;

uniform sampler2D tex;

void main() {
    vec4 result = texture(tex, fuv) * vec4(fcolor, 1.0);
#ifdef GAMMA
    gl_FragColor = vec4(pow(result.rgb, vec3(1.0 / 2.2)), result.a);
#else
    gl_FragColor = result;
#endif
}
