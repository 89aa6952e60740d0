object GroupBox33: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Fusing Current '
  object Label241: TLabel
    Left = 16
    Top = 27
    Width = 216
    Height = 16
    Caption = 'Conductor Width'
  end
  object Edit140: TEdit
    OnKeyDown = Edit140KeyDown
    OnKeyPress = Edit140KeyPress
    Left = 240
    Top = 24
    Width = 88
    Height = 22
    Text = '10'
    Hint = 'Enter the width of the conductor.'
    TabOrder = 0
  end
  object Edit155: TEdit
    Left = 332
    Top = 24
    Width = 64
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 1
  end
  object Label242: TLabel
    Left = 16
    Top = 55
    Width = 216
    Height = 16
    Caption = 'Time'
  end
  object Edit153: TEdit
    OnKeyDown = Edit153KeyDown
    OnKeyPress = Edit153KeyPress
    Left = 240
    Top = 52
    Width = 88
    Height = 22
    Text = '1'
    Hint = 'Enter the time needed to carry the fusing current before fusing.'
    TabOrder = 2
  end
  object Edit156: TEdit
    Left = 332
    Top = 52
    Width = 64
    Height = 22
    Text = 'Seconds'
    ReadOnly = True
    TabStop = False
    TabOrder = 3
  end
  object Label352: TLabel
    Left = 16
    Top = 83
    Width = 216
    Height = 16
    Caption = 'Multiplier'
  end
  object Edit337: TEdit
    OnKeyDown = Edit337KeyDown
    OnKeyPress = Edit337KeyPress
    Left = 240
    Top = 80
    Width = 88
    Height = 22
    Text = '1'
    Hint = 'Enter the desired multiplier.'
    TabOrder = 4
  end
  object Button17: TButton
    OnClick = Button17Click
    Left = 16
    Top = 432
    Width = 152
    Height = 26
    Caption = 'Onderdonk Multiplier'
    Hint = 'Click for internet resource.'
    TabOrder = 7
  end
  object Label245: TLabel
    Left = 16
    Top = 131
    Width = 216
    Height = 16
    Caption = 'Conductor Cross Section'
  end
  object Edit159: TEdit
    Left = 240
    Top = 128
    Width = 144
    Height = 22
    ReadOnly = True
    Hint = 'Approximated conductor cross section.'
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 5
  end
  object Label244: TLabel
    Left = 16
    Top = 159
    Width = 216
    Height = 16
    Caption = 'Conductor Current'
  end
  object Edit160: TEdit
    Left = 240
    Top = 156
    Width = 144
    Height = 22
    ReadOnly = True
    Hint = 'Approximated current that will cause the conductor to fuse over the give period of time.'
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 6
  end
  object Label124: TLabel
    Left = 16
    Top = 187
    Width = 216
    Height = 16
    Caption = 'Cross section in circular mils:'
  end
  object Label158: TLabel
    Left = 240
    Top = 187
    Width = 144
    Height = 16
    Caption = ''
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
  object Label353: TLabel
    Left = 16
    Top = 216
    Width = 216
    Height = 16
    Caption = 'Melting Temperature'
  end
  object Label356: TLabel
    Left = 16
    Top = 232
    Width = 216
    Height = 16
    Caption = 'of Copper:'
  end
  object Label355: TLabel
    Left = 240
    Top = 224
    Width = 144
    Height = 16
    Caption = '1084.62'#176'C'
  end
  object Label275: TLabel
    Left = 16
    Top = 280
    Width = 216
    Height = 16
    Caption = 'Onderdonk'#8217's Equation:'
  end
  object Label276: TLabel
    Left = 16
    Top = 300
    Width = 320
    Height = 16
    Caption = 'I = A*(log(1 + (Tm-Ta)/(234+Ta))/33*s)^0.5'
  end
  object Label266: TLabel
    Left = 16
    Top = 352
    Width = 40
    Height = 16
    Caption = 'Note:'
  end
  object Label267: TLabel
    Left = 64
    Top = 352
    Width = 368
    Height = 16
    Caption = 'This calculator is based on Onderdonk''s equation for'
  end
  object Label268: TLabel
    Left = 64
    Top = 368
    Width = 368
    Height = 16
    Caption = 'fusing current over time of a bare copper wire.'
  end
  object Label269: TLabel
    Left = 64
    Top = 384
    Width = 368
    Height = 16
    Caption = 'It is not intended for use of long periods of time >5'
  end
  object Label270: TLabel
    Left = 64
    Top = 400
    Width = 368
    Height = 16
    Caption = 'seconds.'
  end
  object Image24: TImage
    Left = 440
    Top = 24
    Width = 264
    Height = 160
    Picture = 'cond_fusing'
    Stretch = True
    Proportional = True
  end
  object Label379: TLabel
    Left = 440
    Top = 200
    Width = 92
    Height = 16
    Caption = 'Etch Factor:'
  end
  object Label380: TLabel
    Left = 536
    Top = 200
    Width = 40
    Height = 16
    Caption = 'None'
  end
  object Image74: TImage
    Left = 440
    Top = 224
    Width = 136
    Height = 96
    Picture = 'cond_etch_1to1'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image76: TImage
    Left = 440
    Top = 224
    Width = 136
    Height = 96
    Picture = 'cond_etch_2to1'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image75: TImage
    Left = 440
    Top = 224
    Width = 136
    Height = 96
    Picture = 'cond_etch_none'
    Stretch = True
    Proportional = True
  end
end
