in vec4 fcolor;

void main() {
#ifdef GAMMA
    gl_FragColor = vec4(pow(fcolor.rgb, vec3(1.0 / 2.2)), fcolor.a);
#else
    gl_FragColor = fcolor;
#endif
}
