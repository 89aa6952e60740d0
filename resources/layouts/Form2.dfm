object Form2: TForm2
  Caption = 'About Orvane, Inc. - Trellis'
  ClientWidth = 408
  ClientHeight = 162
  BorderStyle = bsDialog
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  ShowHint = True
  // the program's icon
  object Image1: TImage
    Left = 24
    Top = 24
    Width = 64
    Height = 64
    Picture = 'program_icon'
    Stretch = True
    Proportional = True
  end
  // product name
  object Label1: TLabel
    Left = 112
    Top = 28
    Width = 200
    Height = 20
    Caption = 'Trellis'
    Font.Style = [fsBold]
  end
  // version
  object Label2: TLabel
    Left = 112
    Top = 52
    Width = 200
    Height = 16
    Caption = 'Version 8.40'
  end
  // maker
  object Label3: TLabel
    Left = 112
    Top = 72
    Width = 200
    Height = 16
    Caption = 'Orvane, Inc.'
  end
  // "Program Feedback"
  object Button2: TButton
    OnClick = Button2Click
    Left = 176
    Top = 120
    Width = 128
    Height = 26
    Caption = 'Program Feedback'
    Hint = 'Send feedback about the Trellis to Orvane, Inc.'
    TabOrder = 0
  end
  // "Close"
  object Button1: TButton
    OnClick = Button1Click
    Left = 312
    Top = 120
    Width = 80
    Height = 26
    Caption = 'Close'
    Hint = 'Close'
    TabOrder = 1
  end
end
