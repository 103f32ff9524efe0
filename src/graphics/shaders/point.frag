// A disc inscribed in the quad, fading towards its rim, whose opacity
// shimmers with noise fixed to the screen.
in float falpha;
in vec2 fuv;
in vec3 fcolor;

#ifndef GLES2
// Defined by the noise source appended after this one.
float snoise(vec2 v);
#endif

void main() {
    float a = fuv.x - 0.5;
    float b = fuv.y - 0.5;
    float d = a * a + b * b;
    if (d > 0.25) {
        discard;
    }
#ifdef GLES2
    vec4 result = vec4(fcolor, falpha);
#else
    float n = (snoise(5.0 * fuv + gl_FragCoord.xy / 2.0) + 1.0) / 2.0;
    float falloff = (1.0 - 4.0 * d) * 0.5 + 0.5;
    vec4 result = vec4(fcolor, falpha * (0.8 + 0.2 * n) * falloff);
#endif
#ifdef GAMMA
    gl_FragColor = vec4(pow(result.rgb, vec3(1.0 / 2.2)), result.a);
#else
    gl_FragColor = result;
#endif
}
