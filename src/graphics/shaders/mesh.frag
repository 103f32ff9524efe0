// Lit mesh: one directional light with a soft shadow, plus ambient.
in vec3 fcolor1;
in vec3 fnormal;
#ifndef GLES2
in vec4 light_coord;
uniform sampler2D shadow_map;
#endif

uniform vec3 directional_dir;
uniform float directional_intensity;

#ifndef GLES2
// Depth bias grows with the slope of the surface towards the light, which
// removes shadow acne without detaching shadows from their casters.
const float BIAS_SLOPE = 0.002;
const float BIAS_MIN = 0.0;
const float BIAS_MAX = 0.004;
const float SHADOW_TEXEL = 1.0 / 2048.0;
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
        // 3 x 3 percentage-closer filter softens the shadow edge.
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
    vec3 unlit = fcolor1;
    vec3 colour = unlit * cos_directional_angle_incidence * directional_intensity * in_light +
                  unlit * (1.0 - directional_intensity);
#ifdef GAMMA
    gl_FragColor = vec4(pow(colour, vec3(1.0 / 2.2)), 1.0);
#else
    gl_FragColor = vec4(colour, 1.0);
#endif
}
