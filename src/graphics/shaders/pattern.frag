// Lit mesh with a procedural pattern mixing color1 into color2. The pattern
// number selects the look: 1 desert, 2 forest, 3 marsh, 4 nuclear,
// 5 stump_trunk, 6 stump_rings, 7 concrete, 8 tire; anything else is plain.
in vec3 fcolor1;
in vec3 fnormal;
#ifndef GLES2
in vec3 fcolor2;
in vec2 fuv;
in float fpattern;
in vec4 light_coord;
uniform sampler2D shadow_map;
#endif

uniform vec3 directional_dir;
uniform float directional_intensity;

#ifndef GLES2
const float BIAS_SLOPE = 0.005;
const float BIAS_MIN = 0.0005;
const float BIAS_MAX = 0.005;
const float SHADOW_TEXEL = 1.0 / 2048.0;

// Defined by the noise source appended after this one.
float snoise(vec2 v);
vec2 cellular(vec2 P);

// Sand ripples: bands of width `spacing` running across uv with the given
// slope, wobbled by low-frequency noise.
float ripples(float s, float t, float slope, float spacing, float thickness) {
    float q = t - slope * s + 0.1 * snoise(0.5 * fuv) + 0.01 * snoise(0.7 * fuv);
    q = mod(q, spacing);
    return 0.5 * smoothstep(0.0, 0.02, q) + 0.5 * smoothstep(thickness, thickness + 0.02, q) -
           smoothstep(2.0 * thickness, 2.0 * thickness + 0.02, q);
}

float pattern_blend() {
    float s = fuv.x;
    float t = fuv.y;
    // The pattern number is an integer per vertex; rounding keeps the exact
    // comparisons safe from interpolation error. A program built for one
    // pattern keeps only its branch: a software rasteriser runs every branch
    // for every pixel.
#ifdef PATTERN
    float p = float(PATTERN);
#else
    float p = floor(fpattern + 0.5);
#endif
    float blend = 0.0;
    if (p == 1.0) { // desert
        blend = ripples(s, t, 0.3, 0.4, 0.04);
    } else if (p == 2.0) { // forest
        vec2 f = cellular(6.0 * fuv);
        blend = 1.0 - (0.1 + f.y - f.x);
    } else if (p == 3.0) { // marsh
        float n = snoise(4.0 * fuv);
        blend = 0.25 * smoothstep(-0.35, -0.33, n) + 0.25 * smoothstep(0.35, 0.37, n);
    } else if (p == 4.0) { // nuclear
        blend = 0.5 * snoise(15.0 * fuv) + 0.5;
    } else if (p == 5.0) { // stump_trunk
        vec2 f = cellular(vec2(s, 0.3 * t));
        blend = 1.0 - smoothstep(0.08, 0.1, f.y - f.x);
    } else if (p == 6.0) { // stump_rings
        float m = mod(t, 0.2);
        float n = snoise(vec2(s / 10.0, t)) / 2.0 + 0.5;
        float w = 0.05 + 0.05 * n;
        blend = smoothstep(0.06, 0.08, m) - smoothstep(0.06 + w, 0.08 + w, m);
    } else if (p == 7.0) { // concrete
        blend = 0.3 * snoise(30.0 * fuv);
    } else if (p == 8.0) { // tire
        blend = ripples(s, t, 0.0, 0.25, 0.1);
    }
    return blend;
}
#endif

float light_amount(float cos_directional_angle_incidence) {
    float in_light = 1.0;
#ifndef GLES2
    if (light_coord.x >= 0.0 && light_coord.x <= 1.0 && light_coord.y >= 0.0 &&
        light_coord.y <= 1.0) {
        float bias = clamp(BIAS_SLOPE * tan(acos(cos_directional_angle_incidence)), BIAS_MIN,
                           BIAS_MAX);
        float shadow = 0.0;
#ifndef ANDROID
        for (int i = -1; i <= 1; i++) {
            for (int j = -1; j <= 1; j++) {
                vec2 offset = vec2(float(i), float(j)) * SHADOW_TEXEL;
                if (texture(shadow_map, light_coord.xy + offset).r < light_coord.z - bias) {
                    shadow += 1.0;
                }
            }
        }
        shadow /= 9.0;
#else
        if (texture(shadow_map, light_coord.xy).r < light_coord.z - bias) {
            shadow = 1.0;
        }
#endif
        in_light = 1.0 - 0.6 * shadow;
    }
#endif
    return in_light;
}

void main() {
    float cos_directional_angle_incidence = clamp(dot(fnormal, -directional_dir), 0.0, 1.0);
    float in_light = light_amount(cos_directional_angle_incidence);
#ifndef GLES2
    // Not clamped: concrete and nuclear may push past either colour.
    vec3 unlit = mix(fcolor1, fcolor2, pattern_blend());
#else
    vec3 unlit = fcolor1;
#endif
    vec3 colour = unlit * cos_directional_angle_incidence * directional_intensity * in_light +
                  unlit * (1.0 - directional_intensity);
#ifdef GAMMA
    gl_FragColor = vec4(pow(colour, vec3(1.0 / 2.2)), 1.0);
#else
    gl_FragColor = vec4(colour, 1.0);
#endif
}
