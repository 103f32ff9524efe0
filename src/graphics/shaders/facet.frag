// Lit snake body with darkened facet edges, which gives the low-poly body
// its drawn outline.
in vec3 fcolor;
in vec3 fnormal;
in vec3 fbary;
#ifndef GLES2
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
#endif

// Side edges: darken within THRESHOLD of the x and y edges.
const float THRESHOLD = 0.1;
const float DARKNESS = 0.15;
// Tip: darken the last TTHRESHOLD towards the z corner.
const float TTHRESHOLD = 0.4;
const float TDARKNESS = 0.3;

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

float edge_darkness() {
    float darkness = 0.0;
    if (fbary.z > 1.0 - TTHRESHOLD && fbary.x + fbary.y < 1.0) {
        darkness = max(darkness, (fbary.z - (1.0 - TTHRESHOLD)) / TTHRESHOLD * TDARKNESS);
    }
    if (fbary.y < THRESHOLD) {
        darkness = max(darkness, (1.0 - fbary.y / THRESHOLD) * DARKNESS);
    }
    if (fbary.x < THRESHOLD) {
        darkness = max(darkness, (1.0 - fbary.x / THRESHOLD) * DARKNESS);
    }
    return darkness;
}

void main() {
    float cos_directional_angle_incidence = clamp(dot(fnormal, -directional_dir), 0.0, 1.0);
    float in_light = light_amount(cos_directional_angle_incidence);
    vec3 unlit = fcolor;
    vec3 colour = unlit * cos_directional_angle_incidence * directional_intensity * in_light +
                  unlit * (1.0 - directional_intensity);
    vec4 result = mix(vec4(colour, 1.0), vec4(0.1, 0.1, 0.1, 1.0), edge_darkness());
#ifdef GAMMA
    gl_FragColor = vec4(pow(result.rgb, vec3(1.0 / 2.2)), result.a);
#else
    gl_FragColor = result;
#endif
}
