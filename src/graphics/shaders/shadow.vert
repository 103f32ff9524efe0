// Depth-only pass into the shadow map, seen from the light.
in vec3 position;

uniform mat4 light_proj;

void main() {
    gl_Position = light_proj * vec4(position, 1.0);
}
