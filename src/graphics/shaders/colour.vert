// Flat-coloured overlays in world space (selection marker, iris wipe, rings).
in vec3 position;
in vec4 color;

uniform mat4 proj;

out vec4 fcolor;

void main() {
    gl_Position = proj * vec4(position, 1.0);
    fcolor = color;
}
