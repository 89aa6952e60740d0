object Form11: TForm11
  Caption = 'PCB Design Rules'
  ClientWidth = 640
  ClientHeight = 480
  BorderStyle = bsDialog
  Position = poScreenCenter
end
