// Tinted textured quads in world space (event icons on the board).
in vec3 position;
in vec4 color;
in vec2 uv;

uniform mat4 proj;

out vec4 fcolor;
out vec2 fuv;

void main() {
    gl_Position = proj * vec4(position, 1.0);
    fcolor = color;
    fuv = uv;
}
